#include "Encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(Encoding, RoundTrips)
{
    // Letters with a fatha and a shadda, a tatweel, the Arabic comma, CR LF.
    const std::string utf8 = "\xD9\x83\xD9\x8E\xD8\xAA\xD9\x91\xD8\xA8\xD9\x80\xD8\x8C ab\r\n";
    const std::string windows1256 = "\xDF\xF3\xCA\xF8\xC8\xDC\xA1 ab\r\n";
    EXPECT_EQ(Utf8ToWindows1256(utf8).text, windows1256);
    EXPECT_EQ(Windows1256ToUtf8(windows1256).text, utf8);

    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte += static_cast<char>(b);
    Conversion up = Windows1256ToUtf8(everyByte);
    ASSERT_TRUE(up.ok) << up.error;
    EXPECT_EQ(Utf8ToWindows1256(up.text).text, everyByte);
}

TEST(Encoding, SaysWhatCannotBeConverted)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\xD8\xA8\xD7\x90", "U+05D0 has no Windows-1256 form"},  // a Hebrew alef
        {"ab\xF0\x9F\x98\x80", "U+1F600 has no Windows-1256 form"},
        {"\xFF", "invalid UTF-8 at byte 1"},
        {"a\xC0\xAF", "invalid UTF-8 at byte 2"},  // an overlong "/"
        {"ab\xD8", "invalid UTF-8 at byte 3"},     // cut short
        {"\xED\xA0\x80", "invalid UTF-8 at byte 1"},  // an encoded surrogate
        {"\xDF\xCA\xC8", "invalid UTF-8 at byte 1"},  // Windows-1256 bytes
    };
    for (const auto& [text, error] : cases) {
        Conversion c = Utf8ToWindows1256(text);
        EXPECT_FALSE(c.ok);
        EXPECT_NE(c.error.find(error), std::string::npos) << c.error;
    }
}

}  // namespace
