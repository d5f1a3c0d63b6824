#include "Windows1256.h"

#include "Utf8.h"

#include <cerrno>
#include <optional>
#include <stdexcept>

namespace bookformat {
namespace {

const std::size_t kStopped = static_cast<std::size_t>(-1);

iconv_t Open(const char* to, const char* from)
{
    iconv_t descriptor = iconv_open(to, from);
    if (descriptor == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("this system's iconv cannot convert between UTF-8 and Windows-1256");
    return descriptor;
}

// The whole input converted, or nullopt when iconv stops or converts anything
// irreversibly (its count of those is lost when a full buffer stops it, so
// FromUtf8 also counts the characters).
std::optional<std::string> Run(iconv_t descriptor, std::string_view input)
{
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    std::string output;
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char buffer[4096];
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t irreversible = iconv(descriptor, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (irreversible == kStopped ? errno != E2BIG : irreversible != 0)
            return std::nullopt;
    }
    return output;
}

// The number of characters in valid UTF-8; nullopt for anything else.
std::optional<std::size_t> CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < utf8.size(); ++count) {
        std::optional<Utf8Character> character = DecodeUtf8At(utf8, offset);
        if (!character)
            return std::nullopt;
        offset += character->length;
    }
    return count;
}

}  // namespace

Windows1256::Windows1256()
    : m_fromUtf8(Open("WINDOWS-1256", "UTF-8"), iconv_close), m_toUtf8(Open("UTF-8", "WINDOWS-1256"), iconv_close)
{
}

Conversion Windows1256::FromUtf8(std::string_view utf8)
{
    // Each character is one byte in Windows-1256: so many bytes out as characters in.
    std::optional<std::string> whole = Run(m_fromUtf8.get(), utf8);
    if (whole && CharacterCount(utf8) == whole->size())
        return {true, std::move(*whole), 0, {}};

    // One character at a time, to name the culprit.
    std::string bytes;
    for (std::size_t offset = 0; offset < utf8.size();) {
        std::optional<Utf8Character> character = DecodeUtf8At(utf8, offset);
        if (!character)
            return {false, {}, offset, DescribeCharacterAt(utf8, offset) + ", which begins no UTF-8 character"};
        std::optional<std::string> one = Run(m_fromUtf8.get(), utf8.substr(offset, character->length));
        if (!one || one->size() != 1)
            return {false, {}, offset, DescribeCharacterAt(utf8, offset) + ", which Windows-1256 cannot hold"};
        bytes += *one;
        offset += character->length;
    }
    return {true, std::move(bytes), 0, {}};
}

Conversion Windows1256::ToUtf8(std::string_view bytes)
{
    // Every byte has a meaning in Windows-1256: only an iconv that lacks one fails here.
    if (std::optional<std::string> utf8 = Run(m_toUtf8.get(), bytes))
        return {true, std::move(*utf8), 0, {}};
    return {false, {}, 0, "a text that this system's iconv cannot read as Windows-1256"};
}

std::string Windows1256::FromOwnText(std::string_view utf8)
{
    Conversion conversion = FromUtf8(utf8);
    if (!conversion.ok)
        throw std::logic_error("a tool's own text has no Windows-1256 form: " + std::string(utf8));
    return std::move(conversion.text);
}

}  // namespace bookformat
