#include "Alphabet.h"

namespace {

struct LetterRow {
    const char* forms;
    const char* name;
};

constexpr LetterRow kLetters[Alphabet::kLetterCount] = {
    {"اأإآء", "الألف"}, {"ب", "الباء"}, {"تة", "التاء"}, {"ث", "الثاء"},
    {"ج", "الجيم"}, {"ح", "الحاء"}, {"خ", "الخاء"}, {"د", "الدال"},
    {"ذ", "الذال"}, {"ر", "الراء"}, {"ز", "الزاي"}, {"س", "السين"},
    {"ش", "الشين"}, {"ص", "الصاد"}, {"ض", "الضاد"}, {"ط", "الطاء"},
    {"ظ", "الظاء"}, {"ع", "العين"}, {"غ", "الغين"}, {"ف", "الفاء"},
    {"ق", "القاف"}, {"ك", "الكاف"}, {"ل", "اللام"}, {"م", "الميم"},
    {"ن", "النون"}, {"ه", "الهاء"}, {"وؤ", "الواو"}, {"يىئ", "الياء"},
};

}  // namespace

Alphabet::Alphabet(bookformat::Windows1256& encoding)
{
    m_letterOf.fill(kNoLetter);
    for (int letter = 0; letter < kLetterCount; ++letter) {
        for (char byte : encoding.FromOwnText(kLetters[letter].forms))
            m_letterOf[static_cast<unsigned char>(byte)] = static_cast<signed char>(letter);
    }
}

std::string_view Alphabet::Letter(int letter)
{
    // The first form is the letter itself, one character of two bytes.
    return std::string_view(kLetters[letter].forms, 2);
}

std::string_view Alphabet::Name(int letter)
{
    return kLetters[letter].name;
}

std::optional<int> Alphabet::LetterOf(char byte) const
{
    signed char letter = m_letterOf[static_cast<unsigned char>(byte)];
    if (letter == kNoLetter)
        return std::nullopt;
    return letter;
}

std::optional<int> Alphabet::ChapterOf(std::string_view headword) const
{
    for (char byte : headword) {
        if (std::optional<int> letter = LetterOf(byte))
            return letter;
    }
    return std::nullopt;
}

std::string Alphabet::CollationKey(std::string_view headword) const
{
    std::string key;
    for (char byte : headword) {
        if (std::optional<int> letter = LetterOf(byte))
            key += static_cast<char>(*letter + 1);
    }
    return key;
}
