// The framework's window binding and its guard against exceptions, inside the
// test process and, for what ends a program, in a process of its own.
#include "BookQueries.h"
#include "DictionaryDlg.h"
#include "Encoding.h"
#include "ExceptionExit.h"
#include "InProcessDialog.h"
#include "ProgramProcess.h"
#include "WindowQueries.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>

namespace {

constexpr UINT kProbe = WM_APP + 7;
constexpr LRESULT kProbeAnswer = 42;

// Answers kProbe itself; everything else goes the usual way.
class ProbeWnd : public CWnd {
public:
    using CWnd::SubclassWindow;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message != kProbe)
            return CWnd::OnWndMsg(message, wParam, lParam, result);
        result = kProbeAnswer;
        return true;
    }
};

HWND CreateEdit()
{
    return ::CreateWindowExW(0, L"Edit", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
}

WNDPROC outerProcedure = nullptr;

LRESULT CALLBACK PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcW(outerProcedure, window, message, wParam, lParam);
}

TEST(WindowBinding, AnObjectThatDiesFirstGivesTheWindowBackItsProcedure)
{
    HWND edit = CreateEdit();
    LONG_PTR own = ::GetWindowLongPtrW(edit, GWLP_WNDPROC);
    {
        ProbeWnd wnd;
        wnd.SubclassWindow(edit);
        EXPECT_EQ(::SendMessageW(edit, kProbe, 0, 0), kProbeAnswer);
    }
    EXPECT_EQ(::GetWindowLongPtrW(edit, GWLP_WNDPROC), own);
    EXPECT_EQ(::SendMessageW(edit, kProbe, 0, 0), 0);
    ::SetWindowTextW(edit, L"still an edit");
    EXPECT_EQ(WindowText(edit), L"still an edit");
    ::DestroyWindow(edit);
}

// Subclassed again after the object, the window keeps the object's procedure,
// which must pass every message on once the object is gone, never touching it.
TEST(WindowBinding, AWindowSubclassedAgainPassesMessagesOnAfterItsObjectIsGone)
{
    HWND edit = CreateEdit();
    alignas(ProbeWnd) unsigned char storage[sizeof(ProbeWnd)];
    auto* wnd = new (storage) ProbeWnd;
    wnd->SubclassWindow(edit);
    outerProcedure = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassOn)));
    wnd->~ProbeWnd();
    std::memset(storage, 0xCD, sizeof(storage));

    EXPECT_EQ(::SendMessageW(edit, kProbe, 0, 0), 0);
    ::SetWindowTextW(edit, L"passed on");
    EXPECT_EQ(WindowText(edit), L"passed on");
    EXPECT_TRUE(::DestroyWindow(edit));
}

// A dialog object run a second time gets its new controls: the search text
// that Exit saved comes back, listed, and typing is answered again.
TEST(DialogRunTwice, TheSecondRunBindsItsNewBoxes)
{
    InProcessDialog dialog(
        [] {
            CDictionaryDlg window;
            window.DoModal();
            window.DoModal();
        },
        "Kalimor");
    HWND first = dialog.Window();
    ASSERT_NE(first, nullptr);
    std::string query = Book().PrefixMatching(3, 5);
    ::SendMessageW(::GetDlgItem(first, IDC_SEARCH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ArabicAnsiToWide(query).c_str()));
    ::PostMessageA(first, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(first, IDC_EXIT)));
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(first); }));

    HWND second = dialog.WaitForThreadWindow("Kalimor");
    ASSERT_NE(second, nullptr);
    HWND search = ::GetDlgItem(second, IDC_SEARCH);
    HWND result = ::GetDlgItem(second, IDC_RESULT);
    EXPECT_EQ(WindowText(search), ArabicAnsiToWide(query));
    EXPECT_EQ(WindowText(result), ArabicAnsiToWide(PrefixListingOf(query)));
    std::string shorter = query.substr(0, query.size() - 1);
    ::SendMessageW(search, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ArabicAnsiToWide(shorter).c_str()));
    EXPECT_EQ(WindowText(result), ArabicAnsiToWide(PrefixListingOf(shorter)));
}

std::string ProbePath()
{
    char path[MAX_PATH];
    std::string own(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    return own.substr(0, own.find_last_of("\\/") + 1) + "kalimor_exception_probe.exe";
}

// The message boxes a process shows: its visible dialog boxes other than except.
std::vector<HWND> MessageBoxesOf(DWORD processId, HWND except)
{
    std::vector<HWND> boxes;
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (window != except && ::IsWindowVisible(window) && ClassNameOf(window) == "#32770")
            boxes.push_back(window);
    }
    return boxes;
}

class ExceptionInAHandler : public ::testing::TestWithParam<UINT> {};

TEST_P(ExceptionInAHandler, EndsTheProgramWithOneMessageBox)
{
    ProgramProcess probe(ProbePath(), Utf8ToWide("عن البرنامج"));
    ASSERT_NE(probe.MainWindow(), nullptr);
    ::PostMessageA(probe.MainWindow(), GetParam(), 0, 0);
    std::vector<HWND> boxes;
    ASSERT_TRUE(WaitUntil([&] { return !(boxes = MessageBoxesOf(probe.Id(), probe.MainWindow())).empty(); }));
    EXPECT_EQ(boxes.size(), 1u);
    ::PostMessageA(boxes.front(), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(probe.Exits());
    EXPECT_EQ(probe.ExitCode(), kExceptionExitCode);
}

INSTANTIATE_TEST_SUITE_P(OutOfMemoryAndOther, ExceptionInAHandler, ::testing::Values(WM_APP, WM_APP + 1));

}  // namespace
