#pragma once

#include "Blocks.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// What the English-Arabic dictionary names for each English word: the
// Arabic of its one-word translations, without marks and without the article.
class Translations {
public:
    explicit Translations(const std::vector<Block>& englishBlocks);

    // Whether the dictionary gives the Arabic key for the English gloss, in either case.
    bool Confirms(std::string_view gloss, const std::string& key) const;

private:
    std::map<std::string, std::set<std::string>, std::less<>> m_named;  // by the English word in small letters
};
