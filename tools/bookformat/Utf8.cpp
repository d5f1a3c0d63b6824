#include "Utf8.h"

#include <cstdio>

namespace bookformat {
namespace {

struct SequenceRule {
    unsigned char leadLow, leadHigh;
    std::size_t length;
    char32_t smallest;  // a smaller code point in this many bytes is overlong
};

constexpr SequenceRule kSequences[] = {
    {0x00, 0x7F, 1, 0x0},
    {0xC2, 0xDF, 2, 0x80},
    {0xE0, 0xEF, 3, 0x800},
    {0xF0, 0xF4, 4, 0x10000},
};

std::string Escaped(const char* format, unsigned value)
{
    char text[12];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::optional<Utf8Character> DecodeUtf8At(std::string_view text, std::size_t offset)
{
    if (offset >= text.size())
        return std::nullopt;
    auto lead = static_cast<unsigned char>(text[offset]);
    for (const SequenceRule& rule : kSequences) {
        if (lead < rule.leadLow || lead > rule.leadHigh)
            continue;
        if (text.size() - offset < rule.length)
            return std::nullopt;
        char32_t codePoint = rule.length == 1 ? lead : lead & (0x7F >> rule.length);
        for (std::size_t i = 1; i < rule.length; ++i) {
            auto next = static_cast<unsigned char>(text[offset + i]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (codePoint < rule.smallest || surrogate || codePoint > 0x10FFFF)
            return std::nullopt;
        return Utf8Character{codePoint, rule.length};
    }
    return std::nullopt;
}

std::string DescribeCharacterAt(std::string_view text, std::size_t offset)
{
    if (std::optional<Utf8Character> character = DecodeUtf8At(text, offset))
        return Escaped("U+%04X", static_cast<unsigned>(character->codePoint));
    return Escaped("byte 0x%02X", static_cast<unsigned char>(text[offset]));
}

std::string Printable(std::string_view text)
{
    std::string printable;
    for (std::size_t offset = 0; offset < text.size();) {
        std::optional<Utf8Character> character = DecodeUtf8At(text, offset);
        if (!character) {
            printable += Escaped("\\x%02X", static_cast<unsigned char>(text[offset++]));
            continue;
        }
        char32_t c = character->codePoint;
        if (c < 0x20 || c == 0x7F)
            printable += Escaped("\\x%02X", static_cast<unsigned>(c));
        else if (c >= 0x80 && c < 0xA0)
            printable += Escaped("\\u%04X", static_cast<unsigned>(c));
        else
            printable += text.substr(offset, character->length);
        offset += character->length;
    }
    return printable;
}

}  // namespace bookformat
