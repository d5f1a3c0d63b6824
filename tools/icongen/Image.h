#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// A colour and how much of the pixel the artwork covers (0 to 255).
struct Pixel {
    Rgb colour;
    std::uint8_t coverage = 0;
};

// Square artwork of one icon size, rows from the top.
struct Image {
    int size = 0;
    std::vector<Pixel> pixels;

    const Pixel& At(int x, int y) const { return pixels[y * size + x]; }
    // The icon's mask keeps a pixel when the artwork covers at least half of it.
    bool IsOpaque(int x, int y) const { return At(x, y).coverage >= 128; }
};
