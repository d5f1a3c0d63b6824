#include "ArabicText.h"

#include "Arabic1256.h"

#include <algorithm>

using namespace arabic1256;

char ArabicText::Letter()
{
    const std::string& pool = m_prng.Percent(90) ? kAlphabet : kOtherLetters;
    return pool[static_cast<std::size_t>(m_prng.Below(static_cast<int>(pool.size())))];
}

std::string ArabicText::Unit(char letter, bool vocalised)
{
    std::string unit(1, letter);
    if (vocalised && m_prng.Percent(70))
        unit += kMarks[static_cast<std::size_t>(m_prng.Below(static_cast<int>(kMarks.size())))];
    return unit;
}

std::string ArabicText::Word(char first, int bytes, bool vocalised)
{
    std::string word;
    char letter = first;
    while (static_cast<int>(word.size()) < bytes) {
        bool roomForMark = bytes - static_cast<int>(word.size()) >= 2;
        word += Unit(letter, vocalised && roomForMark);
        letter = Letter();
    }
    return word;
}

std::string ArabicText::Words(int bytes)
{
    std::string text;
    while (static_cast<int>(text.size()) < bytes) {
        int room = bytes - static_cast<int>(text.size());
        if (!text.empty() && room >= 2) {
            text += ' ';
            --room;
        }
        text += Word(Letter(), std::min(room, m_prng.Between(2, 7)), false);
    }
    return text;
}

std::string ArabicText::Prose(int bytes)
{
    std::string text;
    while (static_cast<int>(text.size()) < bytes) {
        std::size_t room = static_cast<std::size_t>(bytes) - text.size();
        if (!text.empty() && room >= 2) {
            text += ' ';
            --room;
        }
        std::string phrase = Phrase();
        text.append(phrase, 0, std::min(room, phrase.size()));
    }
    return text;
}

std::string ArabicText::Phrase()
{
    int kind = m_prng.Below(100);
    if (kind < 4)
        return '{' + Words(m_prng.Between(8, 40)) + '}';
    if (kind < 6)
        return PageReference(m_prng.Between(1, 900));
    if (kind < 8)
        return std::to_string(m_prng.Between(1, 300));
    if (kind < 9)
        return Word(Letter(), 2, false) + kTatweel + Word(Letter(), 2, false);

    std::string word = Word(Letter(), m_prng.Between(2, 7), m_prng.Percent(15));
    int follow = m_prng.Below(100);
    if (follow < 6)
        word += kComma;
    else if (follow < 9)
        word += ':';
    else if (follow < 10)
        word += kQuestionMark;
    return word;
}

std::string ArabicText::PageReference(int page)
{
    std::string open = m_prng.Percent(14) ? "[" : "[ ";
    return open + kSad + ' ' + std::to_string(page) + " ]";
}

std::string ArabicText::Opaque(int bytes)
{
    std::string text;
    while (static_cast<int>(text.size()) < bytes) {
        char byte = static_cast<char>(m_prng.Between(0x21, 0xFE));
        // Without these, opaque bytes never make or complete an entry or chapter marker.
        if (byte != '@' && byte != '*' && byte != '1')
            text += byte;
    }
    return text;
}
