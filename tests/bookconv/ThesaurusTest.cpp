#include "ConverterTestSupport.h"
#include "Thesaurus.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadThesaurus, ReadsRecordsWithTheirSourceLines)
{
    Diagnostics diagnostics;
    std::vector<ThesaurusRecord> records =
        ReadThesaurus("UTF-8\nسقّم|1\n(فعل)|مَرَض\nبغية|2\n(مصدر)|رَغْبَة|تَوْق\n(اسم)", diagnostics);

    EXPECT_TRUE(diagnostics.Items().empty());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].sourceLine, 2);
    EXPECT_EQ(records[0].headword, "سقّم");
    EXPECT_EQ(records[1].sourceLine, 4);
    ASSERT_EQ(records[1].senses.size(), 2u);
    EXPECT_EQ(records[1].senses[0].sourceLine, 5);
    EXPECT_EQ(records[1].senses[0].label, "(مصدر)");
    EXPECT_EQ(records[1].senses[0].synonyms, (std::vector<std::string>{"رَغْبَة", "تَوْق"}));
    EXPECT_EQ(records[1].senses[1].sourceLine, 6);  // the last line has no line feed
    EXPECT_TRUE(records[1].senses[1].synonyms.empty());
}

TEST(ReadThesaurus, ReportsABrokenStructureAtItsLineAndStopsThere)
{
    struct Case {
        std::string text;
        int line;
    };
    const Case cases[] = {
        {"ISO8859-6\nسقم|1\n(فعل)|مرض\n", 1},
        {Thesaurus({"سقم|1", "(فعل)|مرض", "", "بغية|1", "(مصدر)|رغبة"}), 4},  // an empty line
        {Thesaurus({"سقم|0", "بغية|1", "(مصدر)|رغبة"}), 2},
        {Thesaurus({"سقم|x", "(فعل)|مرض"}), 2},
        {Thesaurus({"سقم", "(فعل)|مرض"}), 2},
        {Thesaurus({"سقم|1", "(فعل)|مرض", "بغية|3", "(مصدر)|رغبة"}), 4},  // the text ends too soon
        {"UTF-8\r\nسقم|1\r\n(فعل)|مرض\r\n", 1},
    };
    for (const Case& c : cases) {
        Diagnostics diagnostics;
        std::vector<ThesaurusRecord> records = ReadThesaurus(c.text, diagnostics);
        ASSERT_EQ(diagnostics.Items().size(), 1u) << c.text;
        EXPECT_EQ(diagnostics.Items()[0].kind, Diagnostic::Kind::Error);
        EXPECT_EQ(diagnostics.Items()[0].origin.line, c.line) << c.text;
        EXPECT_LE(records.size(), 1u);
    }
}

}  // namespace
