// The string's edges: lengths and indices outside it are clamped, never read or written past.
#include "CString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Bytes(const CString& text)
{
    return std::string(text, static_cast<size_t>(text.GetLength()));
}

TEST(CString, NegativeOrMissingLengthsGiveNothing)
{
    EXPECT_EQ(Bytes(CString("abc", -1)), "");
    EXPECT_EQ(Bytes(CString(nullptr, 5)), "");
    EXPECT_EQ(Bytes(CString("a\0b", 3)), std::string("a\0b", 3));

    CString text("ab");
    text.Append("cd", -4);
    text.Append(nullptr, 2);
    text.Append("cd", 1);
    EXPECT_EQ(Bytes(text), "abc");
}

TEST(CString, GetAtOutsideTheStringIsNul)
{
    CString text("ab");
    EXPECT_EQ(text.GetAt(1), 'b');
    EXPECT_EQ(text.GetAt(2), '\0');
    EXPECT_EQ(text.GetAt(-1), '\0');
    EXPECT_EQ(text.GetAt(1 << 30), '\0');
    EXPECT_EQ(CString().GetAt(0), '\0');
}

TEST(CString, ReleaseBufferNeverGrowsTheString)
{
    CString text;
    std::strcpy(text.GetBuffer(5), "hello");
    text.ReleaseBuffer(100);
    EXPECT_EQ(Bytes(text), "hello");
    text.ReleaseBuffer(2);
    EXPECT_EQ(Bytes(text), "he");
    text.GetBuffer(4)[1] = '\0';
    text.ReleaseBuffer();
    EXPECT_EQ(Bytes(text), "h");
}

}  // namespace
