#pragma once

#include "Prng.h"

#include <string>

// Arabic text of exact byte lengths for the synthetic book. Nothing it makes
// holds "@", "*", CR, LF or NUL, so it can stand anywhere in a line.
class ArabicText {
public:
    explicit ArabicText(Prng& prng) : m_prng(prng) {}

    char Letter();
    // A letter, followed by a mark when vocalised is set and the dice say so.
    std::string Unit(char letter, bool vocalised);
    // A word of exactly bytes bytes beginning with first; marked letters when vocalised.
    std::string Word(char first, int bytes, bool vocalised);
    // Unvocalised words filling exactly bytes bytes.
    std::string Words(int bytes);
    // Prose with punctuation, quotations and page references, exactly bytes bytes.
    std::string Prose(int bytes);
    // "[ <sad> page ]"; the space after "[" is sometimes missing.
    std::string PageReference(int page);
    // Opaque bytes from printable ASCII and the upper half, exactly bytes bytes.
    std::string Opaque(int bytes);

private:
    std::string Phrase();

    Prng& m_prng;
};
