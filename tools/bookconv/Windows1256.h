#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <iconv.h>

// UTF-8 to Windows-1256 through the C library's iconv.
class Windows1256 {
public:
    // Throws std::runtime_error when the C library cannot convert to Windows-1256.
    Windows1256();
    ~Windows1256();
    Windows1256(const Windows1256&) = delete;
    Windows1256& operator=(const Windows1256&) = delete;

    // The text in Windows-1256; nullopt when it is no valid UTF-8 or holds a
    // character without a Windows-1256 form, whose offset then goes to *failedAt.
    std::optional<std::string> FromUtf8(std::string_view utf8, std::size_t* failedAt = nullptr);

    // For the converter's own texts, which always convert: throws std::logic_error otherwise.
    std::string FromOwnText(std::string_view utf8);

private:
    std::size_t FirstCharacterWithoutOneByte(std::string_view utf8);

    iconv_t m_descriptor;
};

// "U+0651" for the character that begins at utf8[offset], or "byte 0xNN"
// when no valid UTF-8 sequence begins there.
std::string DescribeCharacterAt(std::string_view utf8, std::size_t offset);
