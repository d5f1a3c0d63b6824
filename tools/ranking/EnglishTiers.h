#pragma once

#include <set>
#include <string>
#include <string_view>

namespace ranking {

// How common an English word is, by three nested word lists: the common
// one, the usual one and the large one that adds the rare words; a fourth
// tier holds the words of none. Words compare without regard to case.
class EnglishTiers {
public:
    static constexpr int kCommon = 0;
    static constexpr int kNone = 3;

    // The lists' texts, one word a line; possessives ("house's") are left out.
    EnglishTiers(std::string_view common, std::string_view usual, std::string_view large);

    // 0 for a word of the common list, 1 of the usual one, 2 of the large one, 3 of none.
    int TierOf(std::string_view word) const;

    // The tier of a gloss of one or more words: that of its rarest word, so
    // that "male cat" is common and "kuttab (village school)" is not; kNone
    // for a gloss of no Latin word.
    int TierOfGloss(std::string_view gloss) const;

    // Whether a list writes the word in small letters: a common noun, verb or
    // adjective, not only a name ("bank", not "Pete").
    bool HasSmallForm(std::string_view word) const;

    // The words of the lists up to this tier, in small letters.
    std::set<std::string> WordsUpTo(int tier) const;

private:
    std::set<std::string, std::less<>> m_lists[kNone];
    std::set<std::string, std::less<>> m_smallForms;  // the words that a list writes in small letters
};

}  // namespace ranking
