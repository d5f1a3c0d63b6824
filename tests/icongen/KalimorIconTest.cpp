#include "IcoFile.h"
#include "IcoReader.h"
#include "KalimorIcon.h"
#include "Palette.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::vector<std::uint8_t>& IconBytes()
{
    static const std::vector<std::uint8_t> bytes = EncodeIco(KalimorIconImages());
    return bytes;
}

const DecodedIco& Icon()
{
    static const DecodedIco ico = DecodeIco(IconBytes());
    return ico;
}

std::uint32_t RowBytes(int width, int bitsPerPixel)
{
    return (static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

}  // namespace

TEST(KalimorIcon, HoldsNineImagesLargestFirst)
{
    const DecodedIco& ico = Icon();
    EXPECT_EQ(ico.reserved, 0);
    EXPECT_EQ(ico.type, 1);
    const std::pair<int, int> expected[] = {{48, 4}, {48, 8}, {48, 24}, {32, 4}, {32, 8},
                                            {32, 24}, {16, 4}, {16, 8}, {16, 24}};
    ASSERT_EQ(ico.images.size(), std::size(expected));
    for (std::size_t i = 0; i < ico.images.size(); ++i) {
        const DecodedImage& image = ico.images[i];
        const auto [size, bits] = expected[i];
        EXPECT_EQ(image.width, size) << i;
        EXPECT_EQ(image.height, size) << i;
        EXPECT_EQ(image.bitCount, bits) << i;
        EXPECT_EQ(image.colourCount, bits == 4 ? 16 : 0) << i;
        EXPECT_EQ(image.reserved, 0) << i;
        EXPECT_EQ(image.planes, 1) << i;
    }
}

TEST(KalimorIcon, BitmapsFollowTheDirectoryBackToBack)
{
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(Icon().images.size());
    for (const DecodedImage& image : Icon().images) {
        EXPECT_EQ(image.offset, offset);
        EXPECT_EQ(image.headerSize, 40u);
        EXPECT_EQ(image.headerWidth, image.width);
        EXPECT_EQ(image.headerHeight, 2 * image.height);
        EXPECT_EQ(image.headerBitCount, image.bitCount);
        EXPECT_EQ(image.compression, 0u);
        const std::uint32_t pixels = (RowBytes(image.width, image.bitCount) + RowBytes(image.width, 1)) * image.height;
        EXPECT_EQ(image.imageSize, pixels);
        const std::uint32_t paletteBytes = image.bitCount <= 8 ? 4u << image.bitCount : 0;
        EXPECT_EQ(image.bytes, 40 + paletteBytes + pixels);
        offset += image.bytes;
    }
    EXPECT_EQ(offset, IconBytes().size());
}

TEST(KalimorIcon, MaskHidesTheMarginAndKeepsTheBook)
{
    const auto& images = Icon().images;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const DecodedImage& image = images[i];
        SCOPED_TRACE(std::to_string(image.width) + " px, " + std::to_string(image.bitCount) + " bits");
        const int last = image.width - 1, middle = image.width / 2;
        for (int x = 0; x <= last; ++x)
            EXPECT_TRUE(image.TransparentAt(x, 0)) << x;
        EXPECT_TRUE(image.TransparentAt(0, last));
        EXPECT_TRUE(image.TransparentAt(last, last));
        // Across its middle the book is solid and all but as wide as the icon.
        int opaque = 0, runs = 0;
        for (int x = 0; x <= last; ++x) {
            opaque += !image.TransparentAt(x, middle);
            runs += !image.TransparentAt(x, middle) && (x == 0 || image.TransparentAt(x - 1, middle));
        }
        EXPECT_GE(opaque, last);
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(image.transparent, images[i - i % 3].transparent) << "the depths of one size share a mask";
    }
}

TEST(KalimorIcon, PaletteImagesUseTheirPalettes)
{
    const auto& images = Icon().images;
    for (std::size_t first = 0; first < images.size(); first += 3) {
        const DecodedImage &sixteen = images[first], &cube = images[first + 1], &full = images[first + 2];
        EXPECT_EQ(sixteen.palette, WindowsPalette16());
        EXPECT_EQ(cube.palette, CubePalette256());
        // The 256-colour image is the 24-bit one in its palette's nearest colours.
        for (std::size_t i = 0; i < full.colours.size(); ++i)
            ASSERT_EQ(cube.colours[i], CubePalette256()[NearestIndex(CubePalette256(), full.colours[i])])
                << full.width << " px, pixel " << i;
    }
}

TEST(KalimorIcon, LetterIsRedOnTheRightHandPageAtEveryDepth)
{
    for (const DecodedImage& image : Icon().images) {
        SCOPED_TRACE(std::to_string(image.width) + " px, " + std::to_string(image.bitCount) + " bits");
        int left = 0, right = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const Rgb c = image.ColourAt(x, y);
                if (c.r >= 100 && c.r > 2 * c.g && c.r > 2 * c.b)
                    ++(x < image.width / 2 ? left : right);
            }
        }
        EXPECT_EQ(left, 0);
        EXPECT_GE(right, image.width / 2);
    }
}
