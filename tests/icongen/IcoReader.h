#pragma once

#include "Image.h"

#include <cstdint>
#include <vector>

// An icon file read back independently of the writer, for checking it.
struct DecodedImage {
    // From the directory entry.
    int width = 0, height = 0, colourCount = 0, reserved = 0, planes = 0, bitCount = 0;
    std::uint32_t bytes = 0, offset = 0;
    // From the bitmap's header.
    std::uint32_t headerSize = 0, compression = 0, imageSize = 0;
    int headerWidth = 0, headerHeight = 0, headerBitCount = 0;

    std::vector<Rgb> palette;
    std::vector<Rgb> colours;        // rows from the top
    std::vector<bool> transparent;  // the mask, rows from the top

    Rgb ColourAt(int x, int y) const { return colours[y * width + x]; }
    bool TransparentAt(int x, int y) const { return transparent[y * width + x]; }
};

struct DecodedIco {
    int reserved = 0, type = 0;
    std::vector<DecodedImage> images;
};

// Throws std::out_of_range when an offset or size points past the end.
DecodedIco DecodeIco(const std::vector<std::uint8_t>& bytes);
