#include "Alphabet.h"
#include "Blocks.h"
#include "Inflection.h"
#include "Spelling.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(SplitHeadword, CutsTheQualifierAtTheFirstSpaceParenthesisUnderscoreOrHyphen)
{
    struct Case {
        std::string headword;
        std::string word;
        std::optional<std::string> qualifier;
    };
    const Case cases[] = {
        {"انفصل(بعضه عن بعض)", "انفصل", "(بعضه عن بعض)"},
        {"أقنأ (الشيء)", "أقنأ", "(الشيء)"},
        {"نظر-بجانب العين-", "نظر", "-بجانب العين-"},
        {"ألقى(ه)_في الأرض_", "ألقى", "(ه)_في الأرض_"},
        {"صار_باردا_", "صار", "_باردا_"},
        {"لم يبيّن", "لم", "يبيّن"},
        {"قول : الله أكبر", "قول", ": الله أكبر"},
        {"عدم  التعمق", "عدم", " التعمق"},  // only the first space separates
        {"-أندى", "-أندى", std::nullopt},       // a hyphen that opens the headword opens no qualifier
        {"لم،يبيّنه", "لم،يبيّنه", std::nullopt},
        {"سقّم", "سقّم", std::nullopt},
    };
    for (const Case& c : cases) {
        HeadwordParts parts = SplitHeadword(c.headword);
        EXPECT_EQ(parts.word, c.word) << c.headword;
        EXPECT_EQ(parts.qualifier, c.qualifier) << c.headword;
    }
}

class AlphabetTest : public ::testing::Test {
protected:
    std::optional<int> ChapterOf(std::string_view utf8) { return alphabet.ChapterOf(encoding.FromOwnText(utf8)); }

    bookformat::Windows1256 encoding;
    Alphabet alphabet{encoding};
};

TEST_F(AlphabetTest, FilesEveryAlefFormAndHamzaUnderAlef)
{
    for (const char* headword : {"ابن", "أمر", "إبل", "آمن", "ءامن"})
        EXPECT_EQ(ChapterOf(headword), 0) << headword;
}

TEST_F(AlphabetTest, FilesAHeadwordByItsFirstLetterPastMarksAndPunctuation)
{
    EXPECT_EQ(ChapterOf("\u0651ستر"), 11);  // a leading shadda: sin
    EXPECT_EQ(ChapterOf("-أندى"), 0);
    EXPECT_EQ(ChapterOf("ـيد"), 27);        // a leading tatweel: yeh
    EXPECT_EQ(ChapterOf("ؤم"), 26);         // waw with hamza: waw
    EXPECT_EQ(ChapterOf("ئم"), 27);         // yeh with hamza: yeh
    EXPECT_EQ(ChapterOf("ةم"), 2);          // teh marbuta: teh
    EXPECT_EQ(ChapterOf(""), std::nullopt);
    EXPECT_EQ(ChapterOf("(-)"), std::nullopt);
}

TEST_F(AlphabetTest, FilesEachLetterUnderItself)
{
    for (int letter = 0; letter < Alphabet::kLetterCount; ++letter)
        EXPECT_EQ(alphabet.LetterOf(encoding.FromOwnText(Alphabet::Letter(letter)).front()), letter);
}

}  // namespace

namespace {

class SpellingTest : public AlphabetTest {
protected:
    // The spelling of a UTF-8 word, made in Windows-1256 and read back in UTF-8.
    template <typename Spell>
    std::string In(Spell spell, std::string_view utf8)
    {
        return encoding.ToUtf8(spell(encoding.FromOwnText(utf8))).text;
    }
    std::string Key(std::string_view utf8)
    {
        return In([&](const std::string& word) { return spelling::KeyOf(word, alphabet); }, utf8);
    }
    std::string Bare(std::string_view utf8) { return In(spelling::WithoutArticle, utf8); }
    // The typed spellings in UTF-8, each after the letter of its kind: "a" bare alef, "h" final heh, "y" final yeh.
    std::vector<std::string> Typed(std::string_view utf8)
    {
        std::vector<std::string> typed;
        for (const spelling::TypedSpelling& spelled : spelling::TypedSpellings(encoding.FromOwnText(utf8)))
            typed.push_back(std::string(1, "ahy"[static_cast<int>(spelled.kind)]) + encoding.ToUtf8(spelled.text).text);
        return typed;
    }
};

using Spellings = std::vector<std::pair<std::string, std::string>>;

// The key: the first word without marks or tatweel. Without the article: only
// when three letters remain. Typed: the final letter folded, and hamza alefs
// bare everywhere, the final letter as it is and folded.
TEST_F(SpellingTest, KeysWordsWithoutTheArticleAndFoldedSpellings)
{
    for (const auto& [word, key] : Spellings{{"تَقَدُّم", "تقدم"}, {"آدميّ، بشريّ، رجل", "آدمي"}, {"-أندى", "أندى"},
                                            {"كـتاب (الأول)", "كتاب"}, {"\u0651ستر", "ستر"}, {"(-) 21", ""}})
        EXPECT_EQ(Key(word), key) << word;
    for (const auto& [word, bare] :
         Spellings{{"الكتاب", "كتاب"}, {"الباب", "باب"}, {"الله", ""}, {"الآن", ""}, {"كتاب", ""}})
        EXPECT_EQ(Bare(word), bare) << word;
    using Typings = std::vector<std::pair<std::string, std::vector<std::string>>>;
    for (const auto& [word, typed] : Typings{{"أكل", {"aاكل"}},
                                             {"إآ", {"aاا"}},
                                             {"مبدأ", {"aمبدا"}},
                                             {"مدرسة", {"hمدرسه"}},
                                             {"مستشفى", {"yمستشفي"}},
                                             {"ةى", {"yةي"}},
                                             {"أمانة", {"hأمانه", "aامانة", "aامانه"}},
                                             {"إلى", {"yإلي", "aالى", "aالي"}},
                                             {"كتاب", {}}})
        EXPECT_EQ(Typed(word), typed) << word;
}

}  // namespace

namespace {

TEST(BaseCandidates, UndoesTheRegularEndingsAndKeepsBasesOfThreeLettersOrMore)
{
    using Bases = std::vector<std::string>;
    const std::pair<std::string, Bases> cases[] = {
        {"houses", {"hous", "house"}}, {"boxes", {"box", "boxe"}}, {"studies", {"study"}}, {"tried", {"try"}},
        {"walked", {"walk", "walke"}},    {"baked", {"bak", "bake"}}, {"stopped", {"stopp", "stoppe", "stop"}},
        {"making", {"mak", "make"}}, {"walking", {"walk", "walke"}}, {"glass", {}}, {"status", {}},
        {"seed", {}},            {"sing", {}},            {"bus", {}},                    {"house", {}},
    };
    for (const auto& [word, bases] : cases)
        EXPECT_EQ(BaseCandidates(word), bases) << word;
}

}  // namespace
