// The main window and the About window run inside the test process from the
// program's own resources: what cannot be asked across processes under Wine.
#include "DictionaryDlg.h"
#include "Encoding.h"
#include "ImportPatch.h"
#include "InProcessDialog.h"
#include "LayoutChecks.h"
#include "ResourceString.h"
#include "TextFit.h"
#include "WindowQueries.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>

namespace {

// The dialog manager converts a control's position and its size each on their own.
RECT ToPixels(HWND dialog, const DialogUnitRect& units)
{
    RECT mapped = {units.x, units.y, units.width, units.height};
    ::MapDialogRect(dialog, &mapped);
    return {mapped.left, mapped.top, mapped.left + mapped.right, mapped.top + mapped.bottom};
}

RECT RectInClient(HWND dialog, HWND control)
{
    RECT rect;
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectRectsInDialogUnits(HWND dialog, const DialogLayout& layout)
{
    RECT client;
    ::GetClientRect(dialog, &client);
    RECT size = ToPixels(dialog, {0, 0, layout.clientWidth, layout.clientHeight});
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    std::vector<HWND> controls = ChildWindows(dialog);
    ASSERT_EQ(controls.size(), layout.controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlLayout& expected = layout.controls[i];
        SCOPED_TRACE(testing::Message() << "control #" << i + 1 << ", id " << expected.id);
        RECT want = ToPixels(dialog, expected.rect);
        RECT got = RectInClient(dialog, controls[i]);
        EXPECT_EQ(got.left, want.left);
        EXPECT_EQ(got.top, want.top);
        if (!expected.sizedByContent) {
            EXPECT_EQ(got.right, want.right);
            EXPECT_EQ(got.bottom, want.bottom);
        }
    }
}

// Every text of the dialog, drawn in its control's font, fits the control.
void ExpectTextsFit(HWND dialog)
{
    for (const TextOverflow& overflow : TextsThatOverflow(dialog)) {
        ADD_FAILURE() << "control #" << overflow.position << " \"" << WideToUtf8(overflow.text) << "\" overflows by "
                      << overflow.extraWidth << " px in width and " << overflow.extraHeight << " px in height";
    }
}

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[256] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return text;
}

class InProcessSearchWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_dialog.Window(), nullptr); }

    InProcessDialog m_dialog{[] {
                                 CDictionaryDlg dialog;
                                 dialog.DoModal();
                             },
                             SearchWindowLayout().caption};
};

TEST_F(InProcessSearchWindow, ControlsStandWhereTheTemplateSaysInDialogUnits)
{
    ExpectControlsAsLaidOut(m_dialog.Window(), SearchWindowLayout());
    ExpectRectsInDialogUnits(m_dialog.Window(), SearchWindowLayout());
    ExpectTextsFit(m_dialog.Window());
}

TEST_F(InProcessSearchWindow, AboutWindowControlsStandWhereTheTemplateSaysInDialogUnits)
{
    HWND button = ::GetDlgItem(m_dialog.Window(), IDC_ABOUT);
    ::PostMessageA(m_dialog.Window(), WM_COMMAND, MAKEWPARAM(IDC_ABOUT, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    HWND about = m_dialog.WaitForThreadWindow(AboutWindowLayout().caption);
    ASSERT_NE(about, nullptr);
    ExpectControlsAsLaidOut(about, AboutWindowLayout());
    ExpectRectsInDialogUnits(about, AboutWindowLayout());
    ExpectTextsFit(about);
    ::PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
}

TEST_F(InProcessSearchWindow, SystemMenuEndsWithASeparatorAndTheAboutItemAfterTheSystemsOwnItems)
{
    HMENU menu = ::GetSystemMenu(m_dialog.Window(), FALSE);
    ASSERT_NE(menu, nullptr);
    int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 3);

    EXPECT_EQ(::GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(::GetMenuState(menu, static_cast<UINT>(count - 1), MF_BYPOSITION) & (MF_SEPARATOR | MF_POPUP), 0u);
    wchar_t aboutString[256] = {};
    ASSERT_GT(::LoadStringW(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, aboutString, 256), 0);
    EXPECT_EQ(MenuText(menu, count - 1), aboutString);
    EXPECT_EQ(MenuText(menu, count - 1), Utf8ToWide("عن البرنامج"));
    EXPECT_TRUE(::GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR);

    bool hasClose = false;
    for (int position = 0; position < count - 2; ++position) {
        UINT id = ::GetMenuItemID(menu, position);
        bool separator = ::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR;
        EXPECT_TRUE(separator || id >= SC_SIZE) << "item " << position << " is not the system's own: " << id;
        hasClose = hasClose || id == SC_CLOSE;
    }
    EXPECT_TRUE(hasClose);
}

// The string is the program's text, Windows-1256, whatever the system's code
// page and the thread's locale (here English formats).
TEST(ResourceString, IsInTheProgramsCodePageWhateverTheThreadsLocale)
{
    LCID original = ::GetThreadLocale();
    ASSERT_TRUE(::SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT)));
    CString text = LoadResourceString(IDS_ABOUTBOX);
    ::SetThreadLocale(original);
    EXPECT_EQ(std::string(text, static_cast<size_t>(text.GetLength())), Utf8ToArabicAnsi("عن البرنامج"));
}

TEST_F(InProcessSearchWindow, BigAndSmallIconsAreTheApplicationIcon)
{
    HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(m_dialog.Window(), WM_GETICON, ICON_BIG, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(m_dialog.Window(), WM_GETICON, ICON_SMALL, 0)), icon);
}

int IconWidth(HICON icon)
{
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap = {};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

LONG FontHeight(HWND window)
{
    LOGFONTW font = {};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight;
}

// Moved to a monitor of another scale and back, the window takes the rectangle
// the system suggests each time, and icons of that scale's sizes; its controls
// and their font follow the scale, laid out by the dialog manager where it
// does that (per-monitor v2), else by the program, as under Wine.
TEST_F(InProcessSearchWindow, AChangeOfScaleTakesTheSuggestedRectangleAndIconsOfItsSizes)
{
    HWND window = m_dialog.Window();
    RECT original;
    ::GetWindowRect(window, &original);
    const RECT result = RectInClient(window, ::GetDlgItem(window, IDC_RESULT));
    const LONG fontHeight = FontHeight(::GetDlgItem(window, IDC_RESULT));
    RECT doubled = {original.left / 2, original.top / 2, original.left / 2 + 2 * (original.right - original.left),
                    original.top / 2 + 2 * (original.bottom - original.top)};
    const struct {
        UINT dpi;
        RECT suggested;
    } moves[] = {{2 * USER_DEFAULT_SCREEN_DPI, doubled}, {USER_DEFAULT_SCREEN_DPI, original}};
    for (const auto& move : moves) {
        SCOPED_TRACE(testing::Message() << move.dpi << " dpi");
        ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(move.dpi, move.dpi), reinterpret_cast<LPARAM>(&move.suggested));
        RECT now;
        ::GetWindowRect(window, &now);
        EXPECT_TRUE(::EqualRect(&now, &move.suggested)) << now.left << "," << now.top << " " << now.right - now.left
                                                         << "x" << now.bottom - now.top;
        HICON big = reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, ICON_BIG, 0));
        HICON small = reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
        EXPECT_EQ(IconWidth(big), static_cast<int>(32 * move.dpi / USER_DEFAULT_SCREEN_DPI));
        EXPECT_EQ(IconWidth(small), static_cast<int>(16 * move.dpi / USER_DEFAULT_SCREEN_DPI));
        const int scale = static_cast<int>(move.dpi / USER_DEFAULT_SCREEN_DPI);
        RECT scaled = RectInClient(window, ::GetDlgItem(window, IDC_RESULT));
        EXPECT_NEAR(scaled.left, scale * result.left, scale);
        EXPECT_NEAR(scaled.right - scaled.left, scale * (result.right - result.left), scale);
        EXPECT_NEAR(scaled.bottom - scaled.top, scale * (result.bottom - result.top), scale);
        EXPECT_EQ(FontHeight(::GetDlgItem(window, IDC_RESULT)), scale * fontHeight);
    }
}

TEST_F(InProcessSearchWindow, QueryDragIconGivesTheApplicationIcon)
{
    HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(m_dialog.Window(), WM_QUERYDRAGICON, 0, 0)), icon);
}

// The last DrawIcon call of code linked into the test program.
struct DrawIconCall {
    std::atomic<bool> made{false};
    int x = 0;
    int y = 0;
    HICON icon = nullptr;
};
DrawIconCall lastDrawIcon;

BOOL WINAPI RecordDrawIcon(HDC, int x, int y, HICON icon)
{
    lastDrawIcon.x = x;
    lastDrawIcon.y = y;
    lastDrawIcon.icon = icon;
    lastDrawIcon.made = true;
    return TRUE;
}

// Makes the window paint now, even when it has no client area to update.
void PaintNow(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_UPDATENOW);
}

TEST_F(InProcessSearchWindow, MinimizedWindowDrawsItsIconCentredOnItsClientArea)
{
    ImportPatch patch("user32.dll", "DrawIcon", reinterpret_cast<void*>(&RecordDrawIcon));
    ASSERT_TRUE(patch.Applied());
    HWND window = m_dialog.Window();

    lastDrawIcon.made = false;
    PaintNow(window);
    EXPECT_FALSE(lastDrawIcon.made) << "a window that is not minimized paints no icon";

    ::ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(window) != FALSE; }));
    RECT client;
    ::GetClientRect(window, &client);
    // Wine minimizes to a bar without client area, which gives the truncating case of the arithmetic.
    ASSERT_EQ(client.right, 0);
    ASSERT_EQ(client.bottom, 0);
    // (0 - size + 1) / 2 truncates toward zero: the icons of 96 and 144 dpi.
    const std::map<int, int> centredAt = {{32, -15}, {48, -23}};
    auto expected = centredAt.find(::GetSystemMetrics(SM_CXICON));
    ASSERT_NE(expected, centredAt.end()) << "icons of " << ::GetSystemMetrics(SM_CXICON) << " pixels";
    ASSERT_EQ(::GetSystemMetrics(SM_CYICON), expected->first);
    PaintNow(window);
    ASSERT_TRUE(WaitUntil([] { return lastDrawIcon.made.load(); }));
    EXPECT_EQ(lastDrawIcon.x, expected->second);
    EXPECT_EQ(lastDrawIcon.y, expected->second);
    EXPECT_EQ(lastDrawIcon.icon, ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
}

}  // namespace
