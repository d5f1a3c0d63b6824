#include "VersionRecord.h"

#include <algorithm>
#include <iterator>

namespace pe {

namespace {

constexpr std::size_t kBlockHeaderSize = 6;
constexpr std::uint16_t kTextType = 1;
constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFixedFileInfoSize = 52;

// A text value is read up to its NUL, whether or not the stored length counts it.
std::u16string TextOf(const VersionBlock& block)
{
    if (!block.textValue)
        throw MalformedFile("binary value where text belongs");
    std::u16string text;
    for (std::size_t at = 0; at + 1 < block.value.Size() && block.value.U16(at) != 0; at += 2)
        text += static_cast<char16_t>(block.value.U16(at));
    return text;
}

FixedFileInfo ReadFixedFileInfo(ByteView value)
{
    if (value.Size() < kFixedFileInfoSize || value.U32(0) != kFixedFileInfoSignature)
        throw MalformedFile("no VS_FIXEDFILEINFO");
    FixedFileInfo info;
    std::uint32_t* fields[] = {&info.signature,        &info.structVersion,    &info.fileVersionMs,
                               &info.fileVersionLs,    &info.productVersionMs, &info.productVersionLs,
                               &info.fileFlagsMask,    &info.fileFlags,        &info.fileOs,
                               &info.fileType,         &info.fileSubtype};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        *fields[i] = value.U32(4 * i);
    return info;
}

}  // namespace

VersionBlock ParseVersionBlock(ByteView data)
{
    const std::uint16_t length = data.U16(0);
    if (length < kBlockHeaderSize)
        throw MalformedFile("version block shorter than its header");
    const ByteView block = data.Sub(0, length);
    const std::uint16_t valueLength = block.U16(2);

    VersionBlock result;
    result.textValue = block.U16(4) == kTextType;
    std::size_t at = kBlockHeaderSize;
    result.key = block.Utf16z(at, at);
    at = AlignUp4(at);
    // A text value's length counts UTF-16 units, a binary value's counts bytes.
    const std::size_t valueBytes = result.textValue ? 2 * std::size_t{valueLength} : valueLength;
    result.value = block.Sub(std::min(at, block.Size()), valueBytes);
    at = AlignUp4(at + valueBytes);
    while (at + kBlockHeaderSize <= block.Size()) {
        result.children.push_back(ParseVersionBlock(block.From(at)));
        at = AlignUp4(at + block.U16(at));
    }
    return result;
}

VersionRecord ParseVersionRecord(ByteView data)
{
    const VersionBlock root = ParseVersionBlock(data);
    if (root.key != u"VS_VERSION_INFO")
        throw MalformedFile("version resource without its VS_VERSION_INFO key");
    VersionRecord record;
    record.fixed = ReadFixedFileInfo(root.value);
    for (const VersionBlock& info : root.children) {
        for (const VersionBlock& table : info.children) {
            if (info.key == u"StringFileInfo") {
                for (const VersionBlock& entry : table.children)
                    record.stringTables[table.key][entry.key] = TextOf(entry);
            } else if (info.key == u"VarFileInfo" && table.key == u"Translation") {
                for (std::size_t at = 0; at + 4 <= table.value.Size(); at += 4)
                    record.translations.push_back({table.value.U16(at), table.value.U16(at + 2)});
            }
        }
    }
    return record;
}

}  // namespace pe
