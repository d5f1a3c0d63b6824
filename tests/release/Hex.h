#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Flags and fields read best in hexadecimal in a failure message.
inline std::string Hex(std::uint32_t value)
{
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}
