#include "StringTable.h"

namespace pe {

std::array<std::u16string, 16> ParseStringBlock(ByteView data)
{
    std::array<std::u16string, 16> strings;
    std::size_t at = 0;
    for (std::u16string& text : strings) {
        const std::uint16_t length = data.U16(at);
        for (std::size_t i = 0; i < length; ++i)
            text += static_cast<char16_t>(data.U16(at + 2 + 2 * i));
        at += 2 + 2 * std::size_t{length};
    }
    return strings;
}

std::optional<std::u16string> FindString(const ResourceTree& resources, std::uint16_t id, std::uint16_t language)
{
    const Resource* block = resources.Find(kRtString, static_cast<std::uint16_t>(id / 16 + 1), language);
    if (block == nullptr)
        return std::nullopt;
    return ParseStringBlock(block->data)[id % 16];
}

}  // namespace pe
