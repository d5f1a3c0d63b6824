#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// Where a piece of the book comes from: a line of one of the sources, or the
// converter's own text.
enum class Source { Own, Thesaurus, Glossary, English, Lexicon };

struct Origin {
    Source source = Source::Own;
    int line = 0;  // in the thesaurus, the index of the glossary or of the English-Arabic source, or the lexicon's stems

    friend bool operator==(const Origin& a, const Origin& b) { return a.source == b.source && a.line == b.line; }
    friend bool operator<(const Origin& a, const Origin& b)
    {
        return std::pair(a.source, a.line) < std::pair(b.source, b.line);
    }
};

// What the conversion tells its user: notes on whatever it removed or kept
// although it is irregular, and errors, after which no book is written.
struct Diagnostic {
    enum class Kind { Note, Error };
    Kind kind;
    Origin origin;
    std::string message;  // UTF-8
};

class Diagnostics {
public:
    void Note(Origin origin, std::string message) { Add(Diagnostic::Kind::Note, origin, std::move(message)); }
    void Error(Origin origin, std::string message) { Add(Diagnostic::Kind::Error, origin, std::move(message)); }

    bool HasErrors() const
    {
        return std::any_of(m_items.begin(), m_items.end(),
                           [](const Diagnostic& d) { return d.kind == Diagnostic::Kind::Error; });
    }
    const std::vector<Diagnostic>& Items() const { return m_items; }

private:
    void Add(Diagnostic::Kind kind, Origin origin, std::string message)
    {
        m_items.push_back({kind, origin, std::move(message)});
    }

    std::vector<Diagnostic> m_items;
};
