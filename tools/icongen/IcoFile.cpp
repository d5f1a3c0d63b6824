#include "IcoFile.h"

#include "Palette.h"

#include <stdexcept>

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}

    void U8(std::uint32_t value) { m_bytes.push_back(static_cast<std::uint8_t>(value)); }
    void U16(std::uint32_t value)
    {
        U8(value);
        U8(value >> 8);
    }
    void U32(std::uint32_t value)
    {
        U16(value);
        U16(value >> 16);
    }

private:
    std::vector<std::uint8_t>& m_bytes;
};

// Bitmap rows are padded to a multiple of four bytes.
std::uint32_t RowBytes(int width, int bitsPerPixel)
{
    return (static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

const Palette* PaletteFor(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 4: return &WindowsPalette16();
    case 8: return &CubePalette256();
    case 24: return nullptr;
    }
    throw std::invalid_argument("an icon image holds 4, 8 or 24 bits per pixel");
}

// A transparent pixel is black in the colour bitmap, so drawing it leaves the screen as it was.
void AppendColourRow(std::vector<std::uint8_t>& row, const Image& image, int y, int bitsPerPixel)
{
    const Palette* palette = PaletteFor(bitsPerPixel);
    for (int x = 0; x < image.size; ++x) {
        const Rgb colour = image.IsOpaque(x, y) ? image.At(x, y).colour : Rgb{};
        if (!palette) {
            row.insert(row.end(), {colour.b, colour.g, colour.r});
            continue;
        }
        const std::uint8_t index = NearestIndex(*palette, colour);
        if (bitsPerPixel == 8)
            row.push_back(index);
        else if (x % 2 == 0)
            row.push_back(static_cast<std::uint8_t>(index << 4));
        else
            row.back() |= index;
    }
}

void AppendMaskRow(std::vector<std::uint8_t>& row, const Image& image, int y)
{
    for (int x = 0; x < image.size; ++x) {
        if (x % 8 == 0)
            row.push_back(0);
        if (!image.IsOpaque(x, y))
            row.back() |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
}

std::vector<std::uint8_t> EncodeBitmap(const IconImage& icon)
{
    const Image& image = icon.image;
    const Palette* palette = PaletteFor(icon.bitsPerPixel);
    const std::uint32_t colourRow = RowBytes(image.size, icon.bitsPerPixel);
    const std::uint32_t maskRow = RowBytes(image.size, 1);

    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    out.U32(kInfoHeaderSize);
    out.U32(image.size);
    out.U32(image.size * 2);  // the colour bitmap and the mask, stacked
    out.U16(1);
    out.U16(icon.bitsPerPixel);
    out.U32(0);  // uncompressed
    out.U32((colourRow + maskRow) * image.size);
    out.U32(0);
    out.U32(0);
    out.U32(0);  // every palette entry is used
    out.U32(0);
    if (palette) {
        for (const Rgb& c : *palette) {
            out.U8(c.b);
            out.U8(c.g);
            out.U8(c.r);
            out.U8(0);
        }
    }
    // Both bitmaps run from the bottom row up.
    for (int y = image.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row;
        AppendColourRow(row, image, y, icon.bitsPerPixel);
        row.resize(colourRow);
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    for (int y = image.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row;
        AppendMaskRow(row, image, y);
        row.resize(maskRow);
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images)
{
    std::vector<std::vector<std::uint8_t>> bitmaps;
    for (const IconImage& icon : images) {
        if (icon.image.size < 1 || icon.image.size > 255)
            throw std::invalid_argument("an icon image is 1 to 255 pixels square");
        bitmaps.push_back(EncodeBitmap(icon));
    }

    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    out.U16(0);
    out.U16(1);  // an icon, not a cursor
    out.U16(static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int bits = images[i].bitsPerPixel;
        out.U8(images[i].image.size);
        out.U8(images[i].image.size);
        out.U8(bits < 8 ? 1u << bits : 0);  // colour count, 0 for 256 and more
        out.U8(0);
        out.U16(1);
        out.U16(bits);
        out.U32(static_cast<std::uint32_t>(bitmaps[i].size()));
        out.U32(offset);
        offset += static_cast<std::uint32_t>(bitmaps[i].size());
    }
    for (const auto& bitmap : bitmaps)
        bytes.insert(bytes.end(), bitmap.begin(), bitmap.end());
    return bytes;
}
