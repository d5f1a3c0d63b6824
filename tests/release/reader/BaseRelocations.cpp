#include "BaseRelocations.h"

namespace pe {

namespace {

constexpr std::uint32_t kBlockHeaderSize = 8;
constexpr unsigned kHighLow = 3;

}  // namespace

std::set<std::uint32_t> ReadHighLowRelocations(const PeImage& image)
{
    std::set<std::uint32_t> fields;
    const DataDirectory directory = image.Directory(kBaseRelocationDirectory);
    if (directory.rva == 0)
        return fields;
    const ByteView table = image.AtRva(directory.rva, directory.size);
    // Blocks of one 4 KiB page each: page RVA, block size, then 16-bit entries of type and offset.
    for (std::size_t at = 0; at + kBlockHeaderSize <= table.Size();) {
        const std::uint32_t page = table.U32(at);
        const std::uint32_t blockSize = table.U32(at + 4);
        if (blockSize < kBlockHeaderSize)
            throw MalformedFile("base relocation block shorter than its header");
        const ByteView entries = table.Sub(at + kBlockHeaderSize, blockSize - kBlockHeaderSize);
        for (std::size_t i = 0; i + 1 < entries.Size(); i += 2) {
            const std::uint16_t entry = entries.U16(i);
            if (entry >> 12 == kHighLow)
                fields.insert(page + (entry & 0xFFFu));
        }
        at += blockSize;
    }
    return fields;
}

}  // namespace pe
