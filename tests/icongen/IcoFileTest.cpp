#include "IcoFile.h"
#include "IcoReader.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Five pixels square, so rows need padding and 16-colour rows end on half a byte.
// Colours every palette holds exactly; coverage on both sides of the mask's threshold.
Image TestPattern()
{
    const Rgb colours[] = {{255, 0, 0}, {0, 0, 255}, {255, 255, 255}, {0, 0, 0}, {255, 255, 0}};
    Image image;
    image.size = 5;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const std::uint8_t coverage = x == y ? 127 : x + y == 4 ? 128 : 255;
            image.pixels.push_back({colours[(x + 2 * y) % 5], coverage});
        }
    }
    return image;
}

}  // namespace

TEST(IcoFile, PixelsAndMaskReadBackAtEveryDepth)
{
    const Image pattern = TestPattern();
    for (int bits : {4, 8, 24}) {
        const DecodedIco ico = DecodeIco(EncodeIco({{pattern, bits}}));
        ASSERT_EQ(ico.images.size(), 1u);
        const DecodedImage& image = ico.images[0];
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                const bool opaque = pattern.IsOpaque(x, y);
                EXPECT_EQ(image.TransparentAt(x, y), !opaque) << bits << " bits at " << x << "," << y;
                // Transparent pixels are black, so the colour bitmap leaves the screen alone.
                const Rgb expected = opaque ? pattern.At(x, y).colour : Rgb{};
                EXPECT_EQ(image.ColourAt(x, y), expected) << bits << " bits at " << x << "," << y;
            }
        }
    }
}

TEST(IcoFile, RejectsWhatTheFormatCannotHold)
{
    EXPECT_THROW(EncodeIco({{TestPattern(), 16}}), std::invalid_argument);
    Image huge;
    huge.size = 256;
    huge.pixels.resize(256 * 256);
    EXPECT_THROW(EncodeIco({{huge, 24}}), std::invalid_argument);
}
