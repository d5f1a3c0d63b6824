#include "Latin.h"

namespace latin {
namespace {

char Small(char byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

bool IsSmallLetter(char byte)
{
    return byte >= 'a' && byte <= 'z';
}

}  // namespace

std::optional<int> ChapterOf(std::string_view headword)
{
    for (char byte : headword) {
        if (IsSmallLetter(Small(byte)))
            return Small(byte) - 'a';
    }
    return std::nullopt;
}

std::string CollationKey(std::string_view headword)
{
    std::string key;
    for (char byte : headword) {
        if (IsSmallLetter(Small(byte)))
            key += Small(byte);
    }
    return key;
}

}  // namespace latin
