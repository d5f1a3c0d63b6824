#include "IcoReader.h"

namespace {

class ByteReader {
public:
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}

    std::uint32_t U8(std::size_t at) const { return m_bytes.at(at); }
    std::uint32_t U16(std::size_t at) const { return U8(at) | U8(at + 1) << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }

private:
    const std::vector<std::uint8_t>& m_bytes;
};

std::size_t RowBytes(int width, int bitsPerPixel)
{
    return (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

Rgb ReadColour(const ByteReader& in, const DecodedImage& image, std::size_t row, int x)
{
    switch (image.headerBitCount) {
    case 24: {
        const std::size_t at = row + 3 * x;
        return {static_cast<std::uint8_t>(in.U8(at + 2)), static_cast<std::uint8_t>(in.U8(at + 1)),
                static_cast<std::uint8_t>(in.U8(at))};
    }
    case 8: return image.palette.at(in.U8(row + x));
    default: return image.palette.at(in.U8(row + x / 2) >> (x % 2 ? 0 : 4) & 0xF);
    }
}

void ReadBitmap(const ByteReader& in, DecodedImage& image)
{
    std::size_t at = image.offset;
    image.headerSize = in.U32(at);
    image.headerWidth = static_cast<int>(in.U32(at + 4));
    image.headerHeight = static_cast<int>(in.U32(at + 8));
    image.headerBitCount = static_cast<int>(in.U16(at + 14));
    image.compression = in.U32(at + 16);
    image.imageSize = in.U32(at + 20);
    at += image.headerSize;
    if (image.headerBitCount <= 8) {
        for (int i = 0; i < 1 << image.headerBitCount; ++i, at += 4)
            image.palette.push_back({static_cast<std::uint8_t>(in.U8(at + 2)), static_cast<std::uint8_t>(in.U8(at + 1)),
                                     static_cast<std::uint8_t>(in.U8(at))});
    }
    const int size = image.headerWidth;
    const std::size_t colourRow = RowBytes(size, image.headerBitCount), maskRow = RowBytes(size, 1);
    const std::size_t maskStart = at + colourRow * size;
    image.colours.resize(static_cast<std::size_t>(size) * size);
    image.transparent.resize(image.colours.size());
    for (int y = 0; y < size; ++y) {
        const std::size_t fromBottom = size - 1 - y;
        for (int x = 0; x < size; ++x) {
            image.colours[y * size + x] = ReadColour(in, image, at + fromBottom * colourRow, x);
            image.transparent[y * size + x] = in.U8(maskStart + fromBottom * maskRow + x / 8) >> (7 - x % 8) & 1;
        }
    }
}

}  // namespace

DecodedIco DecodeIco(const std::vector<std::uint8_t>& bytes)
{
    const ByteReader in(bytes);
    DecodedIco ico;
    ico.reserved = static_cast<int>(in.U16(0));
    ico.type = static_cast<int>(in.U16(2));
    const int count = static_cast<int>(in.U16(4));
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
        DecodedImage image;
        image.width = static_cast<int>(in.U8(entry));
        image.height = static_cast<int>(in.U8(entry + 1));
        image.colourCount = static_cast<int>(in.U8(entry + 2));
        image.reserved = static_cast<int>(in.U8(entry + 3));
        image.planes = static_cast<int>(in.U16(entry + 4));
        image.bitCount = static_cast<int>(in.U16(entry + 6));
        image.bytes = in.U32(entry + 8);
        image.offset = in.U32(entry + 12);
        ReadBitmap(in, image);
        ico.images.push_back(image);
    }
    return ico;
}
