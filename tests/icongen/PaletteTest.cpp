#include "Palette.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Palette, EveryEntryIsItsOwnNearest)
{
    for (const Palette* palette : {&WindowsPalette16(), &CubePalette256()}) {
        for (std::size_t i = 0; i < palette->size(); ++i)
            EXPECT_EQ(NearestIndex(*palette, (*palette)[i]), i) << palette->size() << " colours, entry " << i;
    }
    EXPECT_EQ(WindowsPalette16().size(), 16u);
    EXPECT_EQ(CubePalette256().size(), 256u);
}

TEST(Palette, GreysStayGreyAndClose)
{
    for (int level = 0; level < 256; ++level) {
        const auto v = static_cast<std::uint8_t>(level);
        const Rgb nearest = CubePalette256()[NearestIndex(CubePalette256(), {v, v, v})];
        EXPECT_TRUE(nearest.r == nearest.g && nearest.g == nearest.b) << level;
        EXPECT_LE(std::abs(nearest.r - level), 3) << level;
    }
}

TEST(Palette, BlendsAlongAnEdgeKeepTheirHue)
{
    // Dark red fading into the paper's warm white, as along the letter's edge, must stay pink rather than turn orange.
    for (int share = 0; share <= 32; ++share) {
        const auto mix = [share](int from, int to) {
            return static_cast<std::uint8_t>(from + (to - from) * share / 32);
        };
        const Rgb blend{mix(170, 255), mix(0, 255), mix(0, 242)};
        const Rgb nearest = CubePalette256()[NearestIndex(CubePalette256(), blend)];
        EXPECT_EQ(nearest.g, nearest.b) << share;
        EXPECT_GE(nearest.r, nearest.g) << share;
    }
}
