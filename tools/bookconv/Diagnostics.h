#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// What the conversion tells its user: notes on whatever it removed or kept
// although it is irregular, and errors, after which no book is written.
struct Diagnostic {
    enum class Kind { Note, Error };
    Kind kind;
    int sourceLine;  // 0 for the converter's own texts
    std::string message;  // UTF-8
};

class Diagnostics {
public:
    void Note(int sourceLine, std::string message) { Add(Diagnostic::Kind::Note, sourceLine, std::move(message)); }
    void Error(int sourceLine, std::string message) { Add(Diagnostic::Kind::Error, sourceLine, std::move(message)); }

    bool HasErrors() const
    {
        return std::any_of(m_items.begin(), m_items.end(),
                           [](const Diagnostic& d) { return d.kind == Diagnostic::Kind::Error; });
    }
    const std::vector<Diagnostic>& Items() const { return m_items; }

private:
    void Add(Diagnostic::Kind kind, int sourceLine, std::string message)
    {
        m_items.push_back({kind, sourceLine, std::move(message)});
    }

    std::vector<Diagnostic> m_items;
};
