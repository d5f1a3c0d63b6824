#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Book text in Windows-1256 that remembers the source line each of its
// pieces came from, so that a fault found in the finished book is reported
// where the source holds it. Source line 0 marks the converter's own text.
class SourcedText {
public:
    void Append(std::string_view bytes, int sourceLine = 0)
    {
        if (m_origins.empty() || m_origins.back().second != sourceLine)
            m_origins.emplace_back(m_text.size(), sourceLine);
        m_text += bytes;
    }

    void Append(const SourcedText& other)
    {
        for (auto [offset, sourceLine] : other.m_origins)
            m_origins.emplace_back(m_text.size() + offset, sourceLine);
        m_text += other.m_text;
    }

    int SourceLineAt(std::size_t offset) const
    {
        auto after = std::upper_bound(m_origins.begin(), m_origins.end(), offset,
                                      [](std::size_t at, const auto& origin) { return at < origin.first; });
        return after == m_origins.begin() ? 0 : std::prev(after)->second;
    }

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    std::vector<std::pair<std::size_t, int>> m_origins;  // where a piece begins, and its source line
};
