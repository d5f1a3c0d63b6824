#include "DialogExpectations.h"

#include "ReleaseFile.h"
#include "Win32Values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {

// Window class names compare without regard to ASCII case.
std::u16string UpperAscii(std::u16string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; });
    return text;
}

}  // namespace

pe::DialogTemplateEx ReleaseDialog(std::uint16_t id)
{
    const pe::Resource* resource = ReleaseResources().Find(pe::kRtDialog, id, win32::LANG_ARABIC_EGYPT);
    if (resource == nullptr)
        throw std::runtime_error("no dialog template " + std::to_string(id) + " under language 3073");
    return pe::ParseDialogTemplateEx(resource->data);
}

void ExpectControl(const pe::DialogItem& item, const ExpectedControl& expected)
{
    SCOPED_TRACE(expected.row);
    EXPECT_EQ(Hex(item.id), Hex(expected.id));
    EXPECT_EQ(UpperAscii(pe::ControlClassName(item.windowClass)), UpperAscii(expected.windowClass));
    if (expected.text) {
        EXPECT_EQ(item.text, *expected.text);
    }
    EXPECT_EQ(item.rect, expected.rect) << "x, y, width, height";
    EXPECT_EQ(Hex(item.style & expected.kind.mask), Hex(expected.kind.value)) << "type or alignment";
    EXPECT_EQ(Hex(item.style & expected.styleSet), Hex(expected.styleSet)) << "style bits that must be set";
    EXPECT_EQ(Hex(item.style & expected.styleClear), Hex(0)) << "style bits that must be clear";
    EXPECT_EQ(Hex(item.exStyle & expected.exStyleSet), Hex(expected.exStyleSet)) << "extended style bits that must be set";
    EXPECT_EQ(Hex(item.exStyle & expected.exStyleClear), Hex(0)) << "extended style bits that must be clear";
}
