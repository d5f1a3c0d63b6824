#pragma once

#include "ByteView.h"

#include <cstdint>
#include <vector>

namespace pe {

// One image of an icon group as the group's directory lists it.
struct IconGroupEntry {
    std::uint8_t width = 0;  // 0 stands for 256
    std::uint8_t height = 0;
    std::uint8_t colorCount = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t bytes = 0;
    std::uint16_t iconId = 0;  // the RT_ICON resource that holds the image
};

std::vector<IconGroupEntry> ParseIconGroup(ByteView data);

// What an RT_ICON image says about itself. A DIB image's height counts the
// colour bitmap and the mask, so it is twice the icon's height.
struct IconImage {
    bool png = false;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 0;
};

IconImage ParseIconImage(ByteView data);

}  // namespace pe
