#pragma once

#include "ArabicText.h"
#include "Prng.h"

#include <set>
#include <string>
#include <vector>

// Makes the lines of the synthetic book, each without its CR LF. Entry lines
// are made up to their definition, whose length the book's layout decides.
class BookLines {
public:
    explicit BookLines(Prng& prng) : m_prng(prng), m_text(prng) {}

    ArabicText& Text() { return m_text; }

    // The eight tagged lines, 423 bytes with their CR LFs.
    std::vector<std::string> Header();
    // "*1*", the heading and the chapter's page range, which starts at page.
    std::string LetterChapter(char letter, int& page);
    // "@ [root] r o o t: " for a root of rootBytes bytes beginning with first.
    std::string RootEntryHead(char first, int rootBytes);
    // "@ word ", the word vocalised, for entries that carry a definition.
    std::string WordEntryHead(char first);
    // "@ word in r o o t", the whole line: where a derived word is treated.
    std::string CrossReference(char first);
    // "@" and a letter with no space: a letter's introduction, a continuation line.
    std::string LetterIntroduction(char letter);
    // "*EOF*" and 255 opaque bytes: 262 bytes with the CR LF.
    std::string EndLine();

private:
    std::string SpacedRoot(char first);
    char Initial(char letter);

    Prng& m_prng;
    ArabicText m_text;
    std::set<std::string> m_roots;
};
