#include "IconGroup.h"

#include <string_view>

namespace pe {

namespace {

constexpr std::size_t kGroupHeaderSize = 6;
constexpr std::size_t kGroupEntrySize = 14;
constexpr std::uint16_t kIconType = 1;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

}  // namespace

std::vector<IconGroupEntry> ParseIconGroup(ByteView data)
{
    if (data.U16(0) != 0 || data.U16(2) != kIconType)
        throw MalformedFile("not an icon group directory");
    const std::uint16_t count = data.U16(4);
    std::vector<IconGroupEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const ByteView entry = data.Sub(kGroupHeaderSize + i * kGroupEntrySize, kGroupEntrySize);
        entries.push_back({entry.U8(0), entry.U8(1), entry.U8(2), entry.U16(4), entry.U16(6), entry.U32(8),
                           entry.U16(12)});
    }
    return entries;
}

IconImage ParseIconImage(ByteView data)
{
    IconImage image;
    if (data.Size() >= kPngSignature.size() && data.Sub(0, kPngSignature.size()).Chars() == kPngSignature) {
        image.png = true;
        return image;
    }
    if (data.U32(0) < kBitmapInfoHeaderSize)
        throw MalformedFile("icon image without a BITMAPINFOHEADER");
    image.width = static_cast<std::int32_t>(data.U32(4));
    image.height = static_cast<std::int32_t>(data.U32(8));
    image.bitCount = data.U16(14);
    return image;
}

}  // namespace pe
