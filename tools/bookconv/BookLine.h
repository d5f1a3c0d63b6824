#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One line of the book in Windows-1256, without its CR LF, with the source
// line that each of its pieces came from, so that a fault found in the
// finished line is reported where the source holds it.
struct BookLine {
    enum class Kind { Header, Chapter, Entry, End };

    explicit BookLine(Kind kind) : kind(kind) {}
    BookLine(Kind kind, std::string_view ownText) : kind(kind) { Append(ownText, 0); }

    // sourceLine 0 marks the converter's own text.
    void Append(std::string_view bytes, int sourceLine)
    {
        if (m_origins.empty() || m_origins.back().second != sourceLine)
            m_origins.emplace_back(text.size(), sourceLine);
        text += bytes;
    }

    int SourceLineAt(std::size_t offset) const
    {
        auto after = std::upper_bound(m_origins.begin(), m_origins.end(), offset,
                                      [](std::size_t at, const auto& origin) { return at < origin.first; });
        return after == m_origins.begin() ? 0 : std::prev(after)->second;
    }

    Kind kind;
    std::string text;

private:
    std::vector<std::pair<std::size_t, int>> m_origins;  // where a piece begins, and its source line
};
