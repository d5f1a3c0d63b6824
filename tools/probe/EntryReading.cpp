#include "EntryReading.h"

#include "Letters.h"

#include <algorithm>

namespace probe {
namespace {

constexpr std::string_view kSeparators = "|;:()\xBA\xA1";  // and the Arabic semicolon and comma
constexpr std::string_view kArticle = "\xC7\xE1";

bool IsLatin(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Arabic letters and marks of Windows-1256.
bool IsArabic(char c)
{
    auto byte = static_cast<unsigned char>(c);
    return (byte >= 0xC1 && byte <= 0xFA && byte != 0xD7 && byte != 0xE0 && byte != 0xE2 && byte != 0xE7 &&
            byte != 0xE8 && byte != 0xE9 && byte != 0xEA && byte != 0xEB && byte != 0xEE && byte != 0xEF &&
            byte != 0xF4 && byte != 0xF7 && byte != 0xF9) ||
           byte == 0x81 || byte == 0x8D || byte == 0x8E || byte == 0x90 || byte == 0x98;
}

std::string Trimmed(std::string_view text)
{
    std::size_t first = text.find_first_not_of(" \r");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \r") - first + 1));
}

std::vector<std::string> Words(std::string_view text, bool (*inWord)(char))
{
    std::vector<std::string> words;
    for (std::size_t i = 0; i < text.size();) {
        if (!inWord(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && inWord(text[end]))
            ++end;
        words.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

bool IsLatinOrHyphen(char c)
{
    return IsLatin(c) || c == '-' || c == '\'';
}

}  // namespace

std::vector<std::string> EnglishGlosses(std::string_view entry)
{
    std::vector<std::string> glosses;
    for (std::size_t begin = 0; begin <= entry.size();) {
        std::size_t end = std::min(entry.find_first_of(kSeparators, begin), entry.size());
        std::string gloss = Trimmed(entry.substr(begin, end - begin));
        begin = end + 1;
        if (std::none_of(gloss.begin(), gloss.end(), IsLatin))
            continue;
        gloss = bookformat::SmallLetters(gloss);
        if (gloss.rfind("to ", 0) == 0)
            gloss.erase(0, 3);
        glosses.push_back(std::move(gloss));
    }
    return glosses;
}

bool GlossHolds(std::string_view gloss, std::string_view meaning)
{
    std::vector<std::string> words = Words(gloss, IsLatinOrHyphen);
    std::vector<std::string> wanted = Words(meaning, IsLatinOrHyphen);
    if (wanted.empty())
        return false;
    return std::search(words.begin(), words.end(), wanted.begin(), wanted.end()) != words.end();
}

std::vector<std::string> ArabicWords(std::string_view entry)
{
    return Words(entry, IsArabic);
}

bool NamesArabic(std::string_view entry, std::string_view words)
{
    std::vector<std::string> text;
    for (const std::string& word : ArabicWords(entry))
        text.push_back(bookformat::Unmarked(word));
    std::vector<std::string> wanted = ArabicWords(words);
    if (wanted.empty())
        return false;
    for (std::size_t i = 0; i + wanted.size() <= text.size(); ++i) {
        bool named = true;
        for (std::size_t j = 0; j < wanted.size() && named; ++j) {
            const std::string& word = text[i + j];
            named = word == wanted[j] || word == std::string(kArticle) + wanted[j];
        }
        if (named)
            return true;
    }
    return false;
}

}  // namespace probe
