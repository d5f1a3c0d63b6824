#include "Palette.h"

namespace {

Palette MakeCube()
{
    Palette palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                                   static_cast<std::uint8_t>(b * 51)});
    // Eight greys inside each of the cube's five grey steps of 51.
    for (int step = 0; step < 5; ++step) {
        for (int k = 1; k <= 8; ++k) {
            const auto level = static_cast<std::uint8_t>(step * 51 + (k * 51 + 4) / 9);
            palette.push_back({level, level, level});
        }
    }
    return palette;
}

// Squared distance with the error split into lightness and hue, hue counting
// three times as much: a blend along an edge keeps the hue of what it blends
// rather than jumping to a closer but differently tinted palette entry.
int Difference(Rgb a, Rgb b)
{
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    const int sum = dr + dg + db;
    // For the error e with mean m: lightness 3m^2 plus three times hue |e|^2 - 3m^2, times 3 to stay whole.
    return 9 * (dr * dr + dg * dg + db * db) - 2 * sum * sum;
}

}  // namespace

const Palette& WindowsPalette16()
{
    static const Palette palette = {
        {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
        {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
        {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    };
    return palette;
}

const Palette& CubePalette256()
{
    static const Palette palette = MakeCube();
    return palette;
}

std::uint8_t NearestIndex(const Palette& palette, Rgb colour)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < palette.size(); ++i) {
        if (Difference(palette[i], colour) < Difference(palette[best], colour))
            best = i;
    }
    return static_cast<std::uint8_t>(best);
}
