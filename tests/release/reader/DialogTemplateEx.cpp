#include "DialogTemplateEx.h"

#include <array>

namespace pe {

namespace {

constexpr std::uint32_t kDsSetFont = 0x40;
constexpr std::size_t kHeaderSize = 26;
constexpr std::size_t kItemHeaderSize = 24;

NameOrOrdinal ReadNameOrOrdinal(ByteView data, std::size_t& at)
{
    const std::uint16_t first = data.U16(at);
    if (first == 0) {
        at += 2;
        return std::monostate{};
    }
    if (first == 0xFFFF) {
        const std::uint16_t ordinal = data.U16(at + 2);
        at += 4;
        return ordinal;
    }
    return data.Utf16z(at, at);
}

DialogRect ReadRect(ByteView data, std::size_t at)
{
    return {data.I16(at), data.I16(at + 2), data.I16(at + 4), data.I16(at + 6)};
}

DialogItem ReadItem(ByteView data, std::size_t& at)
{
    const ByteView header = data.Sub(at, kItemHeaderSize);
    DialogItem item;
    item.helpId = header.U32(0);
    item.exStyle = header.U32(4);
    item.style = header.U32(8);
    item.rect = ReadRect(header, 12);
    item.id = header.U32(20);
    at += kItemHeaderSize;
    item.windowClass = ReadNameOrOrdinal(data, at);
    item.text = ReadNameOrOrdinal(data, at);
    const std::uint16_t extraCount = data.U16(at);
    item.extra = data.Sub(at + 2, extraCount);
    at += 2 + std::size_t{extraCount};
    return item;
}

}  // namespace

DialogTemplateEx ParseDialogTemplateEx(ByteView data)
{
    if (data.U16(0) != 1 || data.U16(2) != 0xFFFF)
        throw MalformedFile("not an extended dialog template");
    DialogTemplateEx dialog;
    dialog.helpId = data.U32(4);
    dialog.exStyle = data.U32(8);
    dialog.style = data.U32(12);
    const std::uint16_t itemCount = data.U16(16);
    dialog.rect = ReadRect(data, 18);

    std::size_t at = kHeaderSize;
    dialog.menu = ReadNameOrOrdinal(data, at);
    dialog.windowClass = ReadNameOrOrdinal(data, at);
    dialog.title = data.Utf16z(at, at);
    if ((dialog.style & kDsSetFont) != 0) {
        DialogFont font;
        font.pointSize = data.U16(at);
        font.weight = data.U16(at + 2);
        font.italic = data.U8(at + 4);
        font.charset = data.U8(at + 5);
        font.typeface = data.Utf16z(at + 6, at);
        dialog.font = font;
    }
    for (std::uint16_t i = 0; i < itemCount; ++i) {
        at = AlignUp4(at);
        dialog.items.push_back(ReadItem(data, at));
    }
    return dialog;
}

std::u16string ControlClassName(const NameOrOrdinal& windowClass)
{
    static const std::array<const char16_t*, 6> predefined = {u"Button",    u"Edit",     u"Static",
                                                              u"ListBox",   u"ScrollBar", u"ComboBox"};
    if (const auto* ordinal = std::get_if<std::uint16_t>(&windowClass)) {
        if (*ordinal >= 0x80 && *ordinal < 0x80 + predefined.size())
            return predefined[*ordinal - 0x80];
        const std::string digits = std::to_string(*ordinal);
        return u"#" + std::u16string(digits.begin(), digits.end());
    }
    if (const auto* name = std::get_if<std::u16string>(&windowClass))
        return *name;
    return {};
}

}  // namespace pe
