#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include <iconv.h>

namespace bookformat {

struct Conversion {
    bool ok = false;
    std::string text;          // the converted bytes when ok
    std::size_t failedAt = 0;  // otherwise the offset of the first character that did not convert
    std::string error;         // and what it is: "U+05D0, which Windows-1256 cannot hold"
};

// Conversions between UTF-8 and the book's Windows-1256 through the C
// library's iconv. Strict: a character without a Windows-1256 form, or one
// that iconv converts only irreversibly (it drops the tag characters
// U+E0000 to U+E007F, for one), fails the conversion, named.
class Windows1256 {
public:
    // Throws std::runtime_error when the C library cannot convert between the two.
    Windows1256();

    Conversion FromUtf8(std::string_view utf8);
    Conversion ToUtf8(std::string_view bytes);

    // For a tool's own texts, which always convert: throws std::logic_error otherwise.
    std::string FromOwnText(std::string_view utf8);

private:
    using Descriptor = std::unique_ptr<std::remove_pointer_t<iconv_t>, int (*)(iconv_t)>;

    Descriptor m_fromUtf8;
    Descriptor m_toUtf8;
};

}  // namespace bookformat
