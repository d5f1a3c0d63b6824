#include "ConverterTestSupport.h"
#include "Glossary.h"
#include "Gunzip.h"

#include <gtest/gtest.h>

#include <zlib.h>

namespace {

std::string Gzip(std::string_view bytes)
{
    z_stream stream = {};
    EXPECT_EQ(deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out(deflateBound(&stream, static_cast<uLong>(bytes.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

TEST(ReadGlossary, ReadsEachArticleWithoutItsPronunciationAndNumbers)
{
    TestGlossary glossary = TestGlossary().Add("مَعْقُوف", {"Aduncous", "Aquiline"}).Add("تعريب", {"Arabize"});
    glossary.index = "00databaseutf8\tA\tB\n" + glossary.index;

    Diagnostics diagnostics;
    std::vector<GlossaryRecord> records = ReadGlossary(Source::Glossary, glossary.index, glossary.text, diagnostics);

    EXPECT_TRUE(diagnostics.Items().empty());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].sourceLine, 2);
    EXPECT_EQ(records[0].headword, "مَعْقُوف");
    EXPECT_EQ(records[0].glosses, (std::vector<std::string>{"Aduncous", "Aquiline"}));
    EXPECT_EQ(records[1].headword, "تعريب");
    EXPECT_EQ(records[1].glosses, (std::vector<std::string>{"Arabize"}));
}

TEST(ReadGlossary, ReportsABrokenIndexLineAndStopsThere)
{
    const std::string text = "بيت /bajt/\nHouse\n";
    for (const std::string index : {"بيت\tA\n", "بيت\tA\tR!\n", "بيت\tA\tZZ\n", "بيت\tZ\tB\n"}) {
        Diagnostics diagnostics;
        EXPECT_TRUE(ReadGlossary(Source::English, "دار\tA\tB\n" + index, text, diagnostics).size() <= 1) << index;
        ASSERT_EQ(diagnostics.Items().size(), 1u) << index;
        EXPECT_EQ(diagnostics.Items()[0].origin, (Origin{Source::English, 2})) << index;
    }
}

TEST(Gunzip, InflatesGzipDataUpToALimit)
{
    const std::string text = TestGlossary().Add("بيت", {"House"}).text;
    Inflated inflated = Gunzip(Gzip(text), 1000);
    ASSERT_TRUE(inflated.ok) << inflated.error;
    EXPECT_EQ(inflated.bytes, text);

    EXPECT_FALSE(Gunzip(Gzip(text), text.size() - 1).ok);
    EXPECT_FALSE(Gunzip(text, 1000).ok);
    const std::string cut = Gzip(text);
    EXPECT_FALSE(Gunzip(cut.substr(0, cut.size() - 4), 1000).ok);
}

}  // namespace
