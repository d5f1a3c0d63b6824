#include "BookLayout.h"
#include "Sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Hex(const Sha256Digest& digest)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (std::uint8_t byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

TEST(Sha256, MatchesTheStandardsTestVectors)
{
    EXPECT_EQ(Hex(Sha256("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Hex(Sha256("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the padding no longer fits the last block.
    EXPECT_EQ(Hex(Sha256("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(Hex(Sha256(std::string(1000000, 'a'))),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(DigestInLetters, WritesEachHalfByteAsALetterFromAToP)
{
    // SHA-256 of "abc" begins ba 78 16 bf: the first half byte is 0xb, the fifth is 0x1.
    EXPECT_EQ(DigestInLetters("abc", 8), "lkhibglp");
}

}  // namespace
