#include "Letters.h"
#include "Windows1256.h"

#include <gtest/gtest.h>

namespace {

using bookformat::Conversion;

TEST(Windows1256, ConvertsBothWaysAndEveryByteRoundTrips)
{
    bookformat::Windows1256 encoding;
    // Letters with a fatha and a shadda, a tatweel, the Arabic comma and
    // semicolon, alef with hamza below, alef maksura, CR LF.
    const std::string utf8 = "\xD9\x83\xD9\x8E\xD8\xAA\xD9\x91\xD8\xA8\xD9\x80\xD8\x8C\xD8\x9B\xD8\xA5\xD9\x89 ab\r\n";
    const std::string windows1256 = "\xDF\xF3\xCA\xF8\xC8\xDC\xA1\xBA\xC5\xEC ab\r\n";
    EXPECT_EQ(encoding.FromUtf8(utf8).text, windows1256);
    EXPECT_EQ(encoding.ToUtf8(windows1256).text, utf8);

    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte += static_cast<char>(b);
    Conversion up = encoding.ToUtf8(everyByte);
    ASSERT_TRUE(up.ok) << up.error;
    EXPECT_EQ(encoding.FromUtf8(up.text).text, everyByte);
}

TEST(Windows1256, NamesTheFirstCharacterItCannotConvertAndWhereItIs)
{
    bookformat::Windows1256 encoding;
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {"\xD8\xA8\xD7\x90", 2, "U+05D0, which Windows-1256 cannot hold"},  // a Hebrew alef
        {"ab\xF0\x9F\x98\x80", 2, "U+1F600, which Windows-1256 cannot hold"},
        {"\xD8\xA8\xD8\xAA\xEF\xBB\xBF", 4, "U+FEFF, which Windows-1256 cannot hold"},
        // Tag characters, which iconv drops and counts only as irreversible.
        {"\xD8\xA8\xF3\xA0\x81\x81\xD8\xA8", 2, "U+E0041, which Windows-1256 cannot hold"},
        {"\xFF", 0, "byte 0xFF, which begins no UTF-8 character"},
        {"a\xC0\xAF", 1, "byte 0xC0, which begins no UTF-8 character"},  // an overlong "/"
        {"ab\xD8", 2, "byte 0xD8, which begins no UTF-8 character"},     // cut short
        {"\xED\xA0\x80", 0, "byte 0xED, which begins no UTF-8 character"},  // an encoded surrogate
        {"\xF4\x90\x80\x80", 0, "byte 0xF4, which begins no UTF-8 character"},  // past U+10FFFF
        {"\xDF\xCA\xC8", 0, "byte 0xDF, which begins no UTF-8 character"},  // Windows-1256 bytes
    };
    for (const auto& [text, offset, error] : cases) {
        Conversion c = encoding.FromUtf8(text);
        EXPECT_FALSE(c.ok) << error;
        EXPECT_EQ(c.failedAt, offset) << error;
        EXPECT_EQ(c.error, error);
    }
    EXPECT_TRUE(encoding.FromUtf8("\xD8\xA8").ok);  // the descriptor recovers after a failure
}

}  // namespace

namespace {

// The eight marks and the tatweel go; ô, ÷ and ù among them are letters of other scripts and stay.
TEST(Unmarked, LeavesOutTheVowelMarksAndTheTatweelOnly)
{
    EXPECT_EQ(bookformat::Unmarked("\xDF\xF3\xCA\xF3\xC8\xF3"), "\xDF\xCA\xC8");  // كَتَبَ
    EXPECT_EQ(bookformat::Unmarked("\xE3\xDC\xCF\xF8\xFA\xF0\xF1\xF2\xF5\xF6"), "\xE3\xCF");
    EXPECT_EQ(bookformat::Unmarked("\xF4\xF7\xF9"), "\xF4\xF7\xF9");
    EXPECT_TRUE(bookformat::IsMark('\xDC'));
    EXPECT_FALSE(bookformat::IsMark('a'));
}

TEST(SmallLetters, WritesOnlyTheCapitalLatinLettersSmall)
{
    EXPECT_EQ(bookformat::SmallLetters("The House-Boat, AZ az @[`{ \xC9\xC0"), "the house-boat, az az @[`{ \xC9\xC0");
}

}  // namespace
