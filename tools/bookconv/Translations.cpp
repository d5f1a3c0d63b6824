#include "Translations.h"

#include "Letters.h"
#include "Spelling.h"

Translations::Translations(const std::vector<Block>& englishBlocks)
{
    for (const Block& block : englishBlocks) {
        if (block.phrase)
            continue;
        std::set<std::string>& named = m_named[block.form];
        for (const SourcedText& translation : block.items) {
            std::string unmarked = bookformat::Unmarked(translation.Text());
            if (unmarked.find(' ') != std::string::npos)
                continue;
            std::string bare = spelling::WithoutArticle(unmarked);
            if (!bare.empty())
                named.insert(std::move(bare));
            named.insert(std::move(unmarked));
        }
    }
}

bool Translations::Confirms(std::string_view gloss, const std::string& key) const
{
    auto found = m_named.find(bookformat::SmallLetters(gloss));
    return found != m_named.end() && found->second.count(key) > 0;
}
