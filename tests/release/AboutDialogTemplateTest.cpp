#include "DialogExpectations.h"
#include "Win32Values.h"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

using namespace win32;

namespace {

constexpr std::uint16_t kAboutDialog = 100;
constexpr std::size_t kContactAddress = 9;  // row 10
constexpr std::size_t kTermsLine = 10;      // row 11

pe::NameOrOrdinal Text(const char16_t* text)
{
    return std::u16string(text);
}

TEST(AboutDialogTemplateTest, WindowIsAFixedRightToLeftPopupThatTheModalRunShows)
{
    const pe::DialogTemplateEx dialog = ReleaseDialog(kAboutDialog);
    EXPECT_EQ(dialog.title, u"عن البرنامج");
    EXPECT_EQ(dialog.rect, (pe::DialogRect{0, 0, 250, 143}));
    EXPECT_EQ(dialog.menu, pe::NameOrOrdinal{});
    EXPECT_EQ(dialog.windowClass, pe::NameOrOrdinal{});

    const std::uint32_t required = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(Hex(dialog.style & required), Hex(required));
    const std::uint32_t refused = WS_VISIBLE | WS_CHILD | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_SYSMODAL |
                                  DS_CENTER | DS_CENTERMOUSE;
    EXPECT_EQ(Hex(dialog.style & refused), Hex(0));
    EXPECT_EQ(Hex(dialog.exStyle & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)), Hex(WS_EX_RTLREADING));

    ASSERT_TRUE(dialog.font.has_value());
    EXPECT_EQ(dialog.font->typeface, u"Microsoft Sans Serif");
    EXPECT_EQ(dialog.font->pointSize, 14);
    EXPECT_EQ(dialog.font->weight, 400);
    EXPECT_EQ(dialog.font->italic, 0);
    EXPECT_EQ(dialog.font->charset, 0);
}

TEST(AboutDialogTemplateTest, ControlsInTemplateOrder)
{
    const StyleValue left{SS_TYPEMASK, SS_LEFT};
    const StyleValue centred{SS_TYPEMASK, SS_CENTER};
    const StyleValue right{SS_TYPEMASK, SS_RIGHT};
    // Every control but the picture starts a group; only OK is a tab stop.
    const std::uint32_t groupStart = WS_CHILD | WS_VISIBLE | WS_GROUP;
    const std::vector<ExpectedControl> expected = {
        {"1: how to use", kNoId, u"Static", Text(u"طريقة الاستخدام:"), {193, 34, 49, 12}, right,
         groupStart, WS_TABSTOP, WS_EX_RTLREADING, WS_EX_RIGHT},
        {"2: picture", kNoId, u"Static", std::uint16_t{128}, {7, 8, 20, 20}, {SS_TYPEMASK, SS_ICON},
         WS_CHILD | WS_VISIBLE, WS_GROUP | WS_TABSTOP | SS_REALSIZECONTROL | SS_CENTERIMAGE, 0, WS_EX_RIGHT},
        {"3: program name", kNoId, u"Static", Text(u" برنامج Kalimor"), {18, 8, 60, 8}, left,
         groupStart | SS_NOPREFIX, WS_TABSTOP, 0, WS_EX_RIGHT},
        {"4: e-mail label", kNoId, u"Static", Text(u"الاتصال من خلال البريد الالكترونى:"), {134, 107, 98, 10}, left,
         groupStart, WS_TABSTOP, WS_EX_RTLREADING, WS_EX_RIGHT},
        {"5: OK", 1, u"Button", Text(u"OK"), {99, 120, 50, 16}, {BS_TYPEMASK, BS_DEFPUSHBUTTON},
         groupStart | WS_TABSTOP, 0},
        {"6: what it does", kNoId, u"Static",
         Text(u"يمكنك من خلال هذا البرنامج ان تبحث فى كتاب Kalimor بطريقه سهله وفعاله."), {57, 22, 183, 12}, centred,
         groupStart, WS_TABSTOP, WS_EX_RTLREADING | WS_EX_RIGHT},
        {"7: typing", kNoId, u"Static", Text(u"عند كتابه كلمه البحث تظهر كل الكلمات التلى تبدا بنفس الحروف."),
         {89, 42, 153, 8}, right, groupStart, WS_TABSTOP, WS_EX_RTLREADING, WS_EX_RIGHT},
        {"8: clicking", kNoId, u"Static",
         Text(u"عند الضغط بالفاره على اى كلمه يظهر معناها كما هو مكتوب فى كتاب Kalimor."), {44, 50, 198, 8}, right,
         groupStart, WS_TABSTOP, WS_EX_RTLREADING, WS_EX_RIGHT},
        {"9: complete word", kNoId, u"Static",
         Text(u"واذا كانت الكلمه التى تريد البحث عنها كامله فإن معناها يظهر تلقائيا حسب معناها فى كتاب Kalimor."),
         {10, 59, 232, 8}, right, groupStart, WS_TABSTOP, WS_EX_RTLREADING, WS_EX_RIGHT},
        {"10: e-mail address", kNoId, u"Static", std::nullopt, {19, 107, 115, 8}, left,
         groupStart, WS_TABSTOP, 0, WS_EX_RTLREADING | WS_EX_RIGHT},
        {"11: terms of use", kNoId, u"Static", std::nullopt, {38, 71, 194, 9}, centred,
         groupStart, WS_TABSTOP, WS_EX_RTLREADING, WS_EX_RIGHT},
        {"12: write to us", kNoId, u"Static",
         Text(u"فى حاله اكتشاف اى خطأ او وجود اى اقتراحات أو تريد الاطلاع على ما هو جديد لا تتردد فى مراسلتنا."),
         {45, 84, 175, 16}, centred, groupStart, WS_TABSTOP, WS_EX_RTLREADING, WS_EX_RIGHT},
    };

    const pe::DialogTemplateEx dialog = ReleaseDialog(kAboutDialog);
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ExpectControl(dialog.items[i], expected[i]);
}

// Our own wording: a Latin e-mail address, and one line on the terms of use.
TEST(AboutDialogTemplateTest, ContactAddressAndTermsLineAreFilledIn)
{
    const pe::DialogTemplateEx dialog = ReleaseDialog(kAboutDialog);
    ASSERT_GT(dialog.items.size(), kTermsLine);

    const auto* address = std::get_if<std::u16string>(&dialog.items[kContactAddress].text);
    ASSERT_NE(address, nullptr);
    std::string ascii;
    for (char16_t c : *address) {
        ASSERT_LT(c, 0x80) << "not a Latin e-mail address";
        ascii += static_cast<char>(c);
    }
    EXPECT_TRUE(std::regex_match(ascii, std::regex(R"([A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)*\.[A-Za-z]{2,})")))
        << ascii;

    const auto* terms = std::get_if<std::u16string>(&dialog.items[kTermsLine].text);
    ASSERT_NE(terms, nullptr);
    EXPECT_NE(terms->find_first_not_of(u" "), std::u16string::npos) << "empty terms line";
    EXPECT_EQ(terms->find_first_of(u"\r\n"), std::u16string::npos) << "the terms take more than one line";
}

}  // namespace
