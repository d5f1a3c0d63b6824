#pragma once

#include <string>
#include <string_view>

// Conversions between the terminal's UTF-8 and the book's Windows-1256,
// done by the C library's iconv.
struct Conversion {
    bool ok = false;
    std::string text;   // the converted bytes when ok
    std::string error;  // one line that says what could not be converted
};

Conversion Utf8ToWindows1256(std::string_view utf8);
Conversion Windows1256ToUtf8(std::string_view bytes);
