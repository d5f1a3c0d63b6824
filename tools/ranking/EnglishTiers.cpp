#include "EnglishTiers.h"

#include "Letters.h"

#include <algorithm>

namespace ranking {
namespace {

bool IsLatinLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

EnglishTiers::EnglishTiers(std::string_view common, std::string_view usual, std::string_view large)
{
    std::string_view texts[kNone] = {common, usual, large};
    for (int tier = 0; tier < kNone; ++tier) {
        for (std::string_view text = texts[tier]; !text.empty();) {
            std::size_t end = text.find('\n');
            std::string_view word = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            if (word.empty() || word.find('\'') != std::string_view::npos)
                continue;
            std::string small = bookformat::SmallLetters(word);
            if (small == word)
                m_smallForms.insert(small);
            m_lists[tier].insert(std::move(small));
        }
    }
}

int EnglishTiers::TierOf(std::string_view word) const
{
    std::string small = bookformat::SmallLetters(word);
    for (int tier = 0; tier < kNone; ++tier) {
        if (m_lists[tier].count(small))
            return tier;
    }
    return kNone;
}

bool EnglishTiers::HasSmallForm(std::string_view word) const
{
    return m_smallForms.count(bookformat::SmallLetters(word)) > 0;
}

int EnglishTiers::TierOfGloss(std::string_view gloss) const
{
    int rarest = -1;
    for (std::size_t i = 0; i < gloss.size();) {
        if (!IsLatinLetter(gloss[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < gloss.size() && (IsLatinLetter(gloss[end]) || gloss[end] == '-'))
            ++end;
        rarest = std::max(rarest, TierOf(gloss.substr(i, end - i)));
        i = end;
    }
    return rarest < 0 ? kNone : rarest;
}

std::set<std::string> EnglishTiers::WordsUpTo(int tier) const
{
    std::set<std::string> words;
    for (int list = 0; list <= tier && list < kNone; ++list)
        words.insert(m_lists[list].begin(), m_lists[list].end());
    return words;
}

}  // namespace ranking
