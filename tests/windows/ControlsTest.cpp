// The real program's two windows carry the controls their templates lay out,
// as Unicode windows, whose texts no system code page converts.
#include "LayoutChecks.h"
#include "ProgramTest.h"
#include "WindowQueries.h"
#include "resource.h"

#include <algorithm>

namespace {

class Controls : public ProgramTest {};

TEST_F(Controls, MainWindowHoldsTheSearchWindowTemplatesControls)
{
    ExpectControlsAsLaidOut(m_main, SearchWindowLayout());
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(m_main, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
    EXPECT_TRUE(::GetWindowLongPtrA(m_main, GWL_EXSTYLE) & WS_EX_RTLREADING);
    EXPECT_TRUE(::IsWindowUnicode(m_main));
    EXPECT_TRUE(::IsWindowUnicode(m_search));
    EXPECT_TRUE(::IsWindowUnicode(m_result));
}

TEST_F(Controls, AboutWindowHoldsTheAboutTemplatesControls)
{
    ::PostMessageA(m_main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = WaitForAboutWindow();
    ASSERT_NE(about, nullptr);
    ExpectControlsAsLaidOut(about, AboutWindowLayout());
    EXPECT_TRUE(::GetWindowLongPtrA(about, GWL_EXSTYLE) & WS_EX_RTLREADING);
    EXPECT_TRUE(::IsWindowUnicode(about));

    // The wording of the address and of the terms line is free: an address in Latin letters, and some line.
    std::vector<HWND> controls = ChildWindows(about);
    ASSERT_EQ(controls.size(), AboutWindowLayout().controls.size());
    std::wstring address = WindowText(controls[9]);
    EXPECT_NE(address.find(L'@'), std::wstring::npos) << address;
    EXPECT_TRUE(std::all_of(address.begin(), address.end(), [](wchar_t c) { return c > L' ' && c < 0x7F; })) << address;
    EXPECT_FALSE(WindowText(controls[10]).empty());
}

}  // namespace
