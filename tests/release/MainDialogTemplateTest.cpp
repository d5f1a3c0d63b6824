#include "DialogExpectations.h"
#include "Win32Values.h"

#include <gtest/gtest.h>

#include <vector>

using namespace win32;

namespace {

constexpr std::uint16_t kMainDialog = 102;

pe::NameOrOrdinal Text(const char16_t* text)
{
    return std::u16string(text);
}

// An empty text is stored as a lone NUL, which the reader gives as no text.
const pe::NameOrOrdinal kEmptyText{};

TEST(MainDialogTemplateTest, WindowIsAFixedSystemModalRightToLeftPopup)
{
    const pe::DialogTemplateEx dialog = ReleaseDialog(kMainDialog);
    EXPECT_EQ(dialog.title, u"Kalimor");
    EXPECT_EQ(dialog.rect, (pe::DialogRect{0, 0, 217, 145}));
    EXPECT_EQ(dialog.menu, pe::NameOrOrdinal{});
    EXPECT_EQ(dialog.windowClass, pe::NameOrOrdinal{});

    const std::uint32_t required = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SYSMODAL;
    EXPECT_EQ(Hex(dialog.style & required), Hex(required));
    const std::uint32_t refused = WS_CHILD | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_CENTER | DS_CENTERMOUSE;
    EXPECT_EQ(Hex(dialog.style & refused), Hex(0));
    EXPECT_EQ(Hex(dialog.exStyle & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)), Hex(WS_EX_RTLREADING));

    ASSERT_TRUE(dialog.font.has_value());
    EXPECT_EQ(dialog.font->typeface, u"Simplified Arabic");
    EXPECT_EQ(dialog.font->pointSize, 16);
    EXPECT_EQ(dialog.font->weight, 700);
    EXPECT_EQ(dialog.font->italic, 0);
    EXPECT_EQ(dialog.font->charset, ARABIC_CHARSET);
}

TEST(MainDialogTemplateTest, ControlsInTemplateOrder)
{
    const StyleValue rightAlignedEdit{ES_ALIGNMENT, ES_RIGHT};
    const StyleValue rightAlignedStatic{SS_TYPEMASK, SS_RIGHT};
    const StyleValue pushButton{BS_TYPEMASK, BS_PUSHBUTTON};
    const StyleValue defaultPushButton{BS_TYPEMASK, BS_DEFPUSHBUTTON};
    const std::vector<ExpectedControl> expected = {
        {"1: search box", 1000, u"Edit", kEmptyText, {11, 7, 155, 14}, rightAlignedEdit,
         WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NOHIDESEL,
         ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL | WS_TABSTOP, WS_EX_RTLREADING},
        {"2: label", kNoId, u"Static", Text(u"ابحث عن:"), {167, 7, 40, 12}, rightAlignedStatic,
         WS_CHILD | WS_VISIBLE | WS_GROUP, WS_TABSTOP, WS_EX_RTLREADING},
        {"3: result box", 1003, u"Edit", kEmptyText, {10, 31, 197, 79}, rightAlignedEdit,
         WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_BORDER,
         ES_AUTOHSCROLL | WS_HSCROLL | WS_TABSTOP, WS_EX_RTLREADING | WS_EX_CLIENTEDGE},
        {"4: About", 3, u"Button", Text(u"عن البرنامج"), {50, 122, 50, 16}, pushButton,
         WS_CHILD | WS_VISIBLE, WS_TABSTOP},
        {"5: Exit", 8, u"Button", Text(u"خروج"), {122, 122, 50, 16}, pushButton,
         WS_CHILD | WS_VISIBLE, WS_TABSTOP},
        {"6: hidden default button", 1005, u"Button", Text(u"Button1"), {68, 71, 19, 11}, defaultPushButton,
         WS_CHILD | WS_TABSTOP, WS_VISIBLE},
    };

    const pe::DialogTemplateEx dialog = ReleaseDialog(kMainDialog);
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ExpectControl(dialog.items[i], expected[i]);
}

}  // namespace
