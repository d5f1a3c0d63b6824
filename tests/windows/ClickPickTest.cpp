// A click on a listed headword shows its entry whichever order the result box
// takes the focus and moves the caret in. Wine's edit control moves the caret
// first; Windows' takes the focus first, which the test gives the box here.
#include "BookQueries.h"
#include "DictionaryDlg.h"
#include "Encoding.h"
#include "InProcessDialog.h"
#include "SystemInput.h"
#include "WindowQueries.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

enum class ClickOrder { CaretThenFocus, FocusThenCaret };

WNDPROC resultBoxProcedure = nullptr;

// Takes the focus before the edit control sees the button, as Windows' edit control does.
LRESULT CALLBACK FocusFirstProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN && ::GetFocus() != window)
        ::SetFocus(window);
    return ::CallWindowProcW(resultBoxProcedure, window, message, wParam, lParam);
}

class ClickPick : public ::testing::TestWithParam<ClickOrder> {
protected:
    void SetUp() override
    {
        ASSERT_NE(m_dialog.Window(), nullptr);
        m_search = ::GetDlgItem(m_dialog.Window(), IDC_SEARCH);
        m_result = ::GetDlgItem(m_dialog.Window(), IDC_RESULT);
        if (GetParam() == ClickOrder::FocusThenCaret) {
            resultBoxProcedure = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
                m_result, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FocusFirstProcedure)));
        }
        // Typed text and a pick both start from the search box.
        ClickAt(CenterOf(m_search));
        ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(m_dialog.Window()) == m_search; }));
    }

    // Sets a query that lists several headwords, each on a line of its own; returns them.
    std::vector<std::string> ShowList()
    {
        std::string query = Book().PrefixMatching(3, 5);
        ::SendMessageW(m_search, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ArabicAnsiToWide(query).c_str()));
        std::vector<std::string> lines = ListLines(WideToArabicAnsi(WindowText(m_result)));
        EXPECT_GE(lines.size(), 3u) << "no list of three or more headwords to click";
        return lines;
    }

    void ClickAndExpect(POINT point, const std::string& searchAnsi, const std::string& resultAnsi)
    {
        std::wstring search = ArabicAnsiToWide(searchAnsi);
        std::wstring result = ArabicAnsiToWide(resultAnsi);
        ClickAt(point);
        ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(m_dialog.Window()) == m_result; }));
        WaitUntil([&] { return WindowText(m_search) == search && WindowText(m_result) == result; });
        EXPECT_EQ(WindowText(m_search), search);
        EXPECT_EQ(WindowText(m_result), result);
    }

    InProcessDialog m_dialog{[] {
                                 CDictionaryDlg dialog;
                                 dialog.DoModal();
                             },
                             "Kalimor"};
    HWND m_search = nullptr;
    HWND m_result = nullptr;
};

TEST_P(ClickPick, AClickOnTheSecondLineShowsTheSecondHeadwordsEntry)
{
    std::vector<std::string> lines = ShowList();
    ASSERT_GE(lines.size(), 3u);
    ClickAndExpect(PointInLine(m_result, 1), lines[1], Book().FirstEntryTextOf(lines[1]));
}

TEST_P(ClickPick, AClickOnTheEmptyLineAfterTheListEmptiesBothBoxes)
{
    std::vector<std::string> lines = ShowList();
    ASSERT_GE(lines.size(), 3u);
    POINT empty = PointInEmptyLastLine(m_result);
    RECT box;
    ::GetWindowRect(m_result, &box);
    ASSERT_LT(empty.y, box.bottom) << "the list must leave its empty last line in view";
    ClickAndExpect(empty, "", "");
}

// Focus that comes back when the window is activated again picks the caret's line, not the pointer's.
TEST_P(ClickPick, FocusReturningOnActivationPicksTheCaretsLine)
{
    std::vector<std::string> lines = ShowList();
    ASSERT_GE(lines.size(), 3u);
    // The result box keeps the focus while a list replaces the entry a first click showed.
    ClickAt(PointInLine(m_result, 0));
    ASSERT_TRUE(WaitUntil([&] { return FocusOfThreadOf(m_dialog.Window()) == m_result; }));
    ShowList();
    int secondLine = static_cast<int>(::SendMessageW(m_result, EM_LINEINDEX, 1, 0));
    ::SendMessageW(m_result, EM_SETSEL, secondLine, secondLine);

    HWND other = ::CreateWindowExA(WS_EX_TOPMOST, "Static", "other", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                   nullptr, nullptr, nullptr);
    // Until the dialog's thread has lost the focus: a late focus event of the X
    // server, after the clicks above, can hand the activation back to the dialog
    // before its thread saw it go, and then no focus ever comes back.
    ASSERT_TRUE(WaitUntil([&] {
        if (::GetForegroundWindow() != other)
            ::SetForegroundWindow(other);
        return ::GetForegroundWindow() == other && FocusOfThreadOf(m_dialog.Window()) != m_result;
    }));
    ::SetForegroundWindow(m_dialog.Window());
    std::wstring expected = ArabicAnsiToWide(Book().FirstEntryTextOf(lines[1]));
    WaitUntil([&] { return WindowText(m_result) == expected; });
    ::DestroyWindow(other);
    EXPECT_EQ(WindowText(m_search), ArabicAnsiToWide(lines[1]));
    EXPECT_EQ(WindowText(m_result), expected);
}

INSTANTIATE_TEST_SUITE_P(BothOrders, ClickPick, ::testing::Values(ClickOrder::CaretThenFocus, ClickOrder::FocusThenCaret),
                         [](const ::testing::TestParamInfo<ClickOrder>& info) {
                             return info.param == ClickOrder::CaretThenFocus ? "CaretThenFocus" : "FocusThenCaret";
                         });

}  // namespace
