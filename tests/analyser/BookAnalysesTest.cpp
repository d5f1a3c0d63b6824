#include "Analyser.h"
#include "BookLexiconFiles.h"
#include "Buckwalter.h"
#include "Windows1256.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The lexicon that the book is made from, with its analyser, read once.
struct BookLexicon : BookLexiconFiles {
    analyser::Analyser analyser{stems.lemmas, morphology};
};

const BookLexicon& Lexicon()
{
    static const BookLexicon lexicon;
    return lexicon;
}

// The IDs of the lemmas that the analyses of the word (UTF-8) name, and the glosses of their prefixes and suffixes.
struct Named {
    std::set<std::string> lemmas;
    std::set<std::string> affixes;
};

Named AnalysesOf(std::string_view utf8)
{
    static bookformat::Windows1256 encoding;
    const BookLexicon& book = Lexicon();
    Named named;
    for (const analyser::Analysis& a : book.analyser.Analyse(*lexicon::FromWindows1256(encoding.FromOwnText(utf8)))) {
        named.lemmas.insert(book.stems.lemmas[a.lemma].id);
        named.affixes.insert(a.prefix->gloss);
        named.affixes.insert(a.suffix->gloss);
    }
    return named;
}

TEST(BookAnalyses, FindTheLemmaOfVerbFormsPluralsAndFeminines)
{
    struct Case {
        const char* word;
        const char* lemma;
        const char* affix;  // the gloss of a prefix or suffix of one analysis
    };
    const Case cases[] = {
        {"تريد", ">arAd_1", "you [masc.sg.]"},
        {"تريد", ">arAd_1", "it/they/she"},
        {"يكون", "kAn_1", "he/it"},
        {"أستطيع", "{isotaTAE_1", "I"},
        {"كتبت", "katab-u_1", "I <verb>"},
        {"مدارس", "madorasap_1", ""},
        {"رجال", "rajul_1", ""},
        {"جديدة", "jadiyd_1", "[fem.sg.]"},
        {"أخرى", ">uxoraY_1", ""},
    };
    for (const Case& c : cases) {
        Named named = AnalysesOf(c.word);
        EXPECT_TRUE(named.lemmas.count(c.lemma)) << c.word << " is no form of " << c.lemma;
        EXPECT_TRUE(named.affixes.count(c.affix)) << c.word << " has no affix glossed " << c.affix;
    }
}

TEST(BookAnalyses, TakeOffChainsOfCliticsBeforeAndPronounsAfter)
{
    struct Case {
        const char* word;
        const char* lemma;
        const char* affix;
    };
    const Case cases[] = {
        {"والكتاب", "kitAb_1", "and + the"},
        {"بالمدرسة", "madorasap_1", "with/by + the"},
        {"للمدرسة", "madorasap_1", "to/for + the"},
        {"وسيكتبون", "katab-u_1", "and + will + they (people)"},
        {"كتابهم", "kitAb_1", "their"},
        {"عليه", "EalaY_1", ""},
        {"فيها", "fiy_1", ""},
    };
    for (const Case& c : cases) {
        Named named = AnalysesOf(c.word);
        EXPECT_TRUE(named.lemmas.count(c.lemma)) << c.word << " is no form of " << c.lemma;
        EXPECT_TRUE(named.affixes.count(c.affix)) << c.word << " has no affix glossed " << c.affix;
    }
    EXPECT_TRUE(AnalysesOf("كاليمور").lemmas.empty()) << "a name that the lexicon lacks";
}

}  // namespace
