#pragma once

#include "Windows1256.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The 28 letters of the Arabic alphabet in their order, over Windows-1256
// bytes. Hamza and the alef forms count as alef, teh marbuta as teh, waw
// with hamza as waw, yeh with hamza and alef maksura as yeh.
class Alphabet {
public:
    static constexpr int kLetterCount = 28;

    explicit Alphabet(bookformat::Windows1256& encoding);

    // 0 for alef to 27 for yeh; nullopt for a byte that is no letter (a mark, tatweel, punctuation).
    std::optional<int> LetterOf(char byte) const;

    // The letter of the headword's first letter byte, which names its chapter;
    // nullopt when the headword holds no letter.
    std::optional<int> ChapterOf(std::string_view headword) const;

    // Orders headwords alphabetically: their letters, one byte each in
    // alphabet order, with everything that is no letter left out.
    std::string CollationKey(std::string_view headword) const;

    // In UTF-8: the letter itself, "ا", and its name, "الألف".
    static std::string_view Letter(int letter);
    static std::string_view Name(int letter);

private:
    static constexpr signed char kNoLetter = -1;

    std::array<signed char, 256> m_letterOf;
};
