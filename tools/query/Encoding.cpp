#include "Encoding.h"

#include <cerrno>
#include <cstdio>
#include <iconv.h>

namespace {

enum class Outcome { Done, BadInput, Unsupported };

struct Converted {
    Outcome outcome = Outcome::Done;
    std::string text;
    std::size_t failedAt = 0;  // offset in the input where conversion stopped
};

Converted Convert(const char* to, const char* from, std::string_view input)
{
    Converted result;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        result.outcome = Outcome::Unsupported;
        return result;
    }
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        result.text.append(buffer, static_cast<std::size_t>(out - buffer));
        // E2BIG only means the buffer is full; EILSEQ and EINVAL mean bad input.
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            result.outcome = Outcome::BadInput;
            result.failedAt = static_cast<std::size_t>(in - input.data());
            break;
        }
    }
    iconv_close(cd);
    return result;
}

char32_t CodePointAt(const std::string& utf32le, std::size_t offset)
{
    char32_t cp = 0;
    for (int i = 3; i >= 0; --i)
        cp = (cp << 8) | static_cast<unsigned char>(utf32le[offset + static_cast<std::size_t>(i)]);
    return cp;
}

Conversion Failure(std::string error)
{
    Conversion c;
    c.error = std::move(error);
    return c;
}

Conversion Success(std::string text)
{
    Conversion c;
    c.ok = true;
    c.text = std::move(text);
    return c;
}

const char kUnsupported[] = "this system's iconv cannot convert between UTF-8 and Windows-1256";

}  // namespace

Conversion Utf8ToWindows1256(std::string_view utf8)
{
    // Two steps, so that invalid UTF-8 and a character without a
    // Windows-1256 form get messages of their own.
    Converted codePoints = Convert("UTF-32LE", "UTF-8", utf8);
    if (codePoints.outcome == Outcome::Unsupported)
        return Failure(kUnsupported);
    if (codePoints.outcome == Outcome::BadInput)
        return Failure("invalid UTF-8 at byte " + std::to_string(codePoints.failedAt + 1) + " of the text");

    Converted bytes = Convert("CP1256", "UTF-32LE", codePoints.text);
    if (bytes.outcome == Outcome::Unsupported)
        return Failure(kUnsupported);
    if (bytes.outcome == Outcome::BadInput) {
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(CodePointAt(codePoints.text, bytes.failedAt)));
        return Failure(std::string("character ") + name + " has no Windows-1256 form");
    }
    return Success(std::move(bytes.text));
}

Conversion Windows1256ToUtf8(std::string_view bytes)
{
    Converted text = Convert("UTF-8", "CP1256", bytes);
    if (text.outcome == Outcome::Unsupported)
        return Failure(kUnsupported);
    if (text.outcome == Outcome::BadInput)
        return Failure("byte " + std::to_string(text.failedAt + 1) + " has no Windows-1256 meaning");
    return Success(std::move(text.text));
}
