#include "CoffSymbols.h"

namespace pe {

namespace {

constexpr std::size_t kSymbolSize = 18;

std::string SymbolName(const PeImage& image, ByteView record)
{
    if (record.U32(0) == 0)
        return image.StringTableEntry(record.U32(4));
    const std::string_view chars = record.Sub(0, 8).Chars();
    return std::string(chars.substr(0, chars.find('\0')));
}

}  // namespace

std::vector<Symbol> ReadSymbols(const PeImage& image)
{
    const ByteView table =
        image.File().Sub(image.SymbolTableOffset(), std::size_t{image.SymbolCount()} * kSymbolSize);
    std::vector<Symbol> symbols;
    for (std::size_t index = 0; index < image.SymbolCount();) {
        const ByteView record = table.Sub(index * kSymbolSize, kSymbolSize);
        Symbol symbol;
        symbol.name = SymbolName(image, record);
        symbol.value = record.U32(8);
        symbol.sectionNumber = record.I16(12);
        symbol.type = record.U16(14);
        symbol.storageClass = record.U8(16);
        symbol.auxCount = record.U8(17);
        symbols.push_back(symbol);
        index += 1 + std::size_t{symbol.auxCount};
    }
    return symbols;
}

}  // namespace pe
