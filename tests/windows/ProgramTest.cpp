#include "ProgramTest.h"

#include "Encoding.h"
#include "SystemInput.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {

std::string& ProgramPathStorage()
{
    static std::string path;
    return path;
}

}  // namespace

const std::string& ProgramPath()
{
    return ProgramPathStorage();
}

void SetProgramPath(const std::string& path)
{
    ProgramPathStorage() = path;
}

void ProgramTest::SetUp()
{
    m_program = std::make_unique<ProgramProcess>(ProgramPath());
    m_main = m_program->MainWindow();
    ASSERT_NE(m_main, nullptr) << "no window captioned Kalimor from " << ProgramPath() << " (CreateProcess error "
                               << m_program->StartError() << ")";
    m_search = ::GetDlgItem(m_main, IDC_SEARCH);
    m_result = ::GetDlgItem(m_main, IDC_RESULT);
    ASSERT_NE(m_search, nullptr);
    ASSERT_NE(m_result, nullptr);
}

std::wstring ProgramTest::SearchText() const
{
    return WindowText(m_search);
}

std::wstring ProgramTest::ResultText() const
{
    return WindowText(m_result);
}

void ProgramTest::FocusSearchBox() const
{
    ClickAt(CenterOf(m_search));
    ASSERT_TRUE(WaitForFocus(m_search));
    PressKey(VK_END);
}

void ProgramTest::ExpectBoxes(const std::string& searchAnsi, const std::string& resultAnsi) const
{
    std::wstring search = ArabicAnsiToWide(searchAnsi);
    std::wstring result = ArabicAnsiToWide(resultAnsi);
    std::wstring shownSearch;
    std::wstring shownResult;
    // A program that no longer answers will not change its mind: stop waiting.
    WaitUntil([&] {
        shownSearch = SearchText();
        shownResult = ResultText();
        return (shownSearch == search && shownResult == result) || shownSearch == kNoAnswer;
    });
    EXPECT_EQ(shownSearch, search);
    EXPECT_EQ(shownResult, result);
}

bool ProgramTest::WaitForFocus(HWND control) const
{
    return WaitUntil([&] { return FocusOfThreadOf(m_main) == control; });
}

int ProgramTest::SearchCaret() const
{
    DWORD start = 0;
    ::SendMessageW(m_search, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

HWND ProgramTest::WaitForAboutWindow() const
{
    // Keys go to the active window, and the window manager may activate a new
    // window a little after it appears: the About window is ready once it is active.
    HWND about = nullptr;
    WaitUntil([&] {
        about = OwnedDialogOf(m_program->Id(), m_main);
        return about && ::GetForegroundWindow() == about;
    });
    return about;
}

void ProgramTest::TypeQuery(const std::string& query) const
{
    FocusSearchBox();
    TypeArabicAnsi(query);
    ExpectBoxes(query, PrefixListingOf(query));
}
