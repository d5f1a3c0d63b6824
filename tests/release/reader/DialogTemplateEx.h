#pragma once

#include "ByteView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace pe {

// A field that holds nothing, a number (an ordinal), or a UTF-16 string.
using NameOrOrdinal = std::variant<std::monostate, std::uint16_t, std::u16string>;

struct DialogRect {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t cx = 0;
    std::int16_t cy = 0;

    bool operator==(const DialogRect& other) const
    {
        return x == other.x && y == other.y && cx == other.cx && cy == other.cy;
    }
};

struct DialogFont {
    std::uint16_t pointSize = 0;
    std::uint16_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t charset = 0;
    std::u16string typeface;
};

struct DialogItem {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    DialogRect rect;
    std::uint32_t id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal text;
    ByteView extra;  // creation data for the control
};

struct DialogTemplateEx {
    std::uint32_t helpId = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t style = 0;
    DialogRect rect;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::u16string title;
    std::optional<DialogFont> font;  // present when the style has DS_SETFONT
    std::vector<DialogItem> items;
};

// Reads an extended dialog template; a classic one is refused as malformed.
DialogTemplateEx ParseDialogTemplateEx(ByteView data);

// The predefined control classes that templates may name by ordinal (0x80 "Button"
// to 0x85 "ComboBox") are given by their names; any other field as it is.
std::u16string ControlClassName(const NameOrOrdinal& windowClass);

}  // namespace pe
