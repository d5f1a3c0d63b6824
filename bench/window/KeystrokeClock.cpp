#include "KeystrokeClock.h"

#include "Encoding.h"
#include "SystemInput.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {

constexpr DWORD kAnswerTimeoutMs = 30000;
// Between two reads of the search box: short, so that a keystroke's end is not
// missed by much; not zero, so that the reads leave the cores to the program.
constexpr DWORD kPollIntervalMs = 1;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

KeystrokeClock::KeystrokeClock(const std::string& programPath)
    : m_program(std::make_unique<ProgramProcess>(programPath))
{
    HWND main = m_program->MainWindow();
    if (!main)
        throw LatencyError("no window captioned Kalimor from " + programPath);
    m_search = ::GetDlgItem(main, IDC_SEARCH);
    m_result = ::GetDlgItem(main, IDC_RESULT);
    ClickAt(CenterOf(m_search));
    if (!WaitUntil([&] { return FocusOfThreadOf(main) == m_search; }))
        throw LatencyError("the search box of " + programPath + " did not take the focus");
}

// The program handles a key and its change rule in one go, without looking at
// other messages: once a message sent to it reads the new search text, the
// rule has run to its end. A read sent before the key was handled gives the old
// text; while the program works, the read waits for it, so the time is missed
// by at most one poll interval.
double KeystrokeClock::Type(char letter, const std::string& expectedSearch, const std::string& expectedResult)
{
    std::wstring search = ArabicAnsiToWide(expectedSearch);
    std::wstring result = ArabicAnsiToWide(expectedResult);
    LARGE_INTEGER sent, answered;
    ::QueryPerformanceCounter(&sent);
    TypeArabicAnsi(std::string(1, letter));
    bool done = WaitUntil(
        [&] {
            std::wstring shown = WindowText(m_search);
            ::QueryPerformanceCounter(&answered);
            if (shown == kNoAnswer)
                throw LatencyError("the program stopped answering");
            return shown == search;
        },
        kAnswerTimeoutMs, kPollIntervalMs);
    if (!done)
        throw LatencyError("the search box never showed the typed text");
    // Checked once the time is taken: reading a long list back costs time of its own.
    std::wstring shown = WindowText(m_result);
    if (shown != result)
        throw LatencyError("for \"" + WideToUtf8(search) + "\" the result box holds " + std::to_string(shown.size()) +
                           " characters, not the " + std::to_string(result.size()) + " of the book's listing");
    return Milliseconds(sent, answered);
}

void KeystrokeClock::Clear()
{
    ::SendMessageW(m_search, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    WaitForBoxes("", "");
}

void KeystrokeClock::WaitForBoxes(const std::string& search, const std::string& result) const
{
    std::wstring wideSearch = ArabicAnsiToWide(search);
    std::wstring wideResult = ArabicAnsiToWide(result);
    if (!WaitUntil([&] { return WindowText(m_search) == wideSearch && WindowText(m_result) == wideResult; },
                   kAnswerTimeoutMs))
        throw LatencyError("the boxes did not settle");
}
