#pragma once

#include "Image.h"

#include <cstdint>
#include <vector>

// One image of an icon file: the artwork and the colour depth to store it in
// (4 and 8 use the 16- and 256-colour palettes, 24 stores the colours as they are).
struct IconImage {
    Image image;
    int bitsPerPixel = 24;
};

// An icon file holding the images in the given order, each as an uncompressed
// bitmap with its transparency in a 1-bit mask.
std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images);
