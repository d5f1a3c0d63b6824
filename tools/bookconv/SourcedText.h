#pragma once

#include "Diagnostics.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Book text in Windows-1256 that remembers the source line each of its
// pieces came from, so that a fault found in the finished book is reported
// where the source holds it.
class SourcedText {
public:
    void Append(std::string_view bytes, Origin origin = {})
    {
        if (m_origins.empty() || !(m_origins.back().second == origin))
            m_origins.emplace_back(m_text.size(), origin);
        m_text += bytes;
    }

    void Append(const SourcedText& other)
    {
        for (auto [offset, origin] : other.m_origins)
            m_origins.emplace_back(m_text.size() + offset, origin);
        m_text += other.m_text;
    }

    Origin OriginAt(std::size_t offset) const
    {
        auto after = std::upper_bound(m_origins.begin(), m_origins.end(), offset,
                                      [](std::size_t at, const auto& origin) { return at < origin.first; });
        return after == m_origins.begin() ? Origin{} : std::prev(after)->second;
    }

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    std::vector<std::pair<std::size_t, Origin>> m_origins;  // where a piece begins, and where it came from
};
