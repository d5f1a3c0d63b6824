#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace bookformat {

struct Utf8Character {
    char32_t codePoint;
    std::size_t length;  // in bytes, 1 to 4
};

// The character that begins at text[offset]; nullopt where no valid UTF-8
// sequence begins (a stray byte, a cut, overlong or surrogate sequence).
std::optional<Utf8Character> DecodeUtf8At(std::string_view text, std::size_t offset);

// "U+0651" for a valid character at text[offset], else "byte 0xC3".
std::string DescribeCharacterAt(std::string_view text, std::size_t offset);

// The text as it may go to a terminal: control characters (C0, DEL, and C1
// written in UTF-8) and bytes that begin no UTF-8 character become \xNN or
// \u00NN, so that no argument echoed in a message can drive the terminal.
std::string Printable(std::string_view text);

}  // namespace bookformat
