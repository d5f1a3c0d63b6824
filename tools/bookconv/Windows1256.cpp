#include "Windows1256.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

// Length of the UTF-8 sequence that lead begins, 0 when it begins none.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xF0 && lead < 0xF5)
        return 4;
    return 0;
}

std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (char byte : utf8)
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

}  // namespace

Windows1256::Windows1256() : m_descriptor(iconv_open("WINDOWS-1256", "UTF-8"))
{
    if (m_descriptor == kNoDescriptor)
        throw std::runtime_error("this system's iconv cannot convert UTF-8 to Windows-1256");
}

Windows1256::~Windows1256()
{
    iconv_close(m_descriptor);
}

std::optional<std::string> Windows1256::FromUtf8(std::string_view utf8, std::size_t* failedAt)
{
    // Every UTF-8 character becomes one byte, so the output never outgrows the input.
    std::string out(utf8.size(), '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* outNext = out.data();
    std::size_t outLeft = out.size();

    iconv(m_descriptor, nullptr, nullptr, nullptr, nullptr);
    std::size_t approximated = iconv(m_descriptor, &in, &inLeft, &outNext, &outLeft);
    out.resize(out.size() - outLeft);
    if (inLeft != 0) {
        if (failedAt)
            *failedAt = static_cast<std::size_t>(in - utf8.data());
        return std::nullopt;
    }
    // iconv may also approximate a character, or drop one without a word
    // (it does so with the tag characters U+E0000 to U+E007F): refuse those too.
    if (approximated != 0 || out.size() != CharacterCount(utf8)) {
        if (failedAt)
            *failedAt = FirstCharacterWithoutOneByte(utf8);
        return std::nullopt;
    }
    return out;
}

std::size_t Windows1256::FirstCharacterWithoutOneByte(std::string_view utf8)
{
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        std::size_t length = std::max(1, SequenceLength(static_cast<unsigned char>(utf8[offset])));
        std::optional<std::string> one = FromUtf8(utf8.substr(offset, length));
        if (!one || one->size() != 1)
            return offset;
        offset += length;
    }
    return offset;
}

std::string Windows1256::FromOwnText(std::string_view utf8)
{
    std::optional<std::string> bytes = FromUtf8(utf8);
    if (!bytes)
        throw std::logic_error("the converter's own text has no Windows-1256 form: " + std::string(utf8));
    return *bytes;
}

std::string DescribeCharacterAt(std::string_view utf8, std::size_t offset)
{
    if (offset >= utf8.size())
        return "the end of the text";
    auto lead = static_cast<unsigned char>(utf8[offset]);
    int length = SequenceLength(lead);
    bool valid = length > 0 && offset + static_cast<std::size_t>(length) <= utf8.size();
    char32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; valid && i < length; ++i) {
        auto next = static_cast<unsigned char>(utf8[offset + static_cast<std::size_t>(i)]);
        valid = (next & 0xC0) == 0x80;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    char name[16];
    std::snprintf(name, sizeof name, valid ? "U+%04X" : "byte 0x%02X", valid ? static_cast<unsigned>(codePoint) : lead);
    return name;
}
