// Drives the program into the states that scripts/screenshots.sh pictures: a
// list of headwords, one entry, the About window. For each it writes the
// window's rectangle on the screen ("x y width height") to DIR/NAME.request
// and waits until the script has taken the picture and removed the file. At
// the end it writes DIR/done, or DIR/failed with the reason.
#include "BookQueries.h"
#include "Encoding.h"
#include "ProgramProcess.h"
#include "SystemInput.h"
#include "WindowQueries.h"
#include "resource.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

constexpr DWORD kPictureTimeoutMs = 60000;

class Pictures {
public:
    explicit Pictures(std::string directory) : m_directory(std::move(directory)) {}

    void Take(const std::string& name, HWND window) const
    {
        RECT rect;
        ::GetWindowRect(window, &rect);
        std::string request = m_directory + "/" + name + ".request";
        std::string written = request + ".new";
        std::ofstream(written) << rect.left << ' ' << rect.top << ' ' << rect.right - rect.left << ' '
                               << rect.bottom - rect.top << '\n';
        // Renamed into place whole, so the script never reads half a request.
        ::MoveFileA(written.c_str(), request.c_str());
        if (!WaitUntil([&] { return ::GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES; },
                       kPictureTimeoutMs))
            throw std::runtime_error("no picture taken of " + name);
    }

    void Finish(const std::string& outcome, const std::string& reason = {}) const
    {
        std::ofstream(m_directory + "/" + outcome) << reason << '\n';
    }

private:
    std::string m_directory;
};

void Expect(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}

void Drive(const std::string& programPath, const Pictures& pictures)
{
    ProgramProcess program(programPath);
    HWND main = program.MainWindow();
    Expect(main != nullptr, "the program showed no main window");
    HWND search = ::GetDlgItem(main, IDC_SEARCH);
    HWND result = ::GetDlgItem(main, IDC_RESULT);

    // A common word's first letters for the pictures; a book without it gets its own first shared prefix.
    const BookQueries& book = Book();
    std::string query = Utf8ToArabicAnsi("حق");
    if (book.HeadwordsBeginningWith(query).size() < 2)
        query = book.PrefixMatching(2, 100000);
    Expect(!query.empty(), "the book has no prefix shared by two headwords");
    ClickAt(CenterOf(search));
    TypeArabicAnsi(query);
    std::string list = PrefixListingOf(query);
    Expect(WaitUntil([&] { return WindowText(result) == ArabicAnsiToWide(list); }), "the list did not show");
    pictures.Take("main-list", main);

    // حقد, whose entry has lemmas, senses and glosses, typed on to it where the list holds it too far down;
    // else the eighth line, or the last one of a shorter list.
    const std::string wanted = Utf8ToArabicAnsi("حقد");
    std::vector<std::string> lines = ListLines(list);
    auto shown = std::find(lines.begin(), lines.end(), wanted);
    if (shown != lines.end() && shown - lines.begin() >= 8 && wanted.rfind(query, 0) == 0) {
        TypeArabicAnsi(wanted.substr(query.size()));
        list = PrefixListingOf(wanted);
        Expect(WaitUntil([&] { return WindowText(result) == ArabicAnsiToWide(list); }), "the shorter list did not show");
        lines = ListLines(list);
        shown = std::find(lines.begin(), lines.end(), wanted);
    }
    int line = shown != lines.end() && shown - lines.begin() < 8 ? static_cast<int>(shown - lines.begin())
                                                                 : std::min(static_cast<int>(lines.size()) - 1, 7);
    std::string word = lines.at(static_cast<std::size_t>(line));
    ClickAt(PointInLine(result, line));
    std::string entry = book.FirstEntryTextOf(word);
    Expect(WaitUntil([&] { return WindowText(result) == ArabicAnsiToWide(entry); }), "the picked entry did not show");
    pictures.Take("main-entry", main);

    ClickAt(CenterOf(::GetDlgItem(main, IDC_ABOUT)));
    HWND about = nullptr;
    Expect(WaitUntil([&] { return (about = OwnedDialogOf(program.Id(), main)) != nullptr; }),
           "the About window did not open");
    pictures.Take("about", about);

    PressKey(VK_RETURN);
    Expect(WaitUntil([&] { return !::IsWindow(about); }), "the About window did not close");
    PressKey(VK_ESCAPE);
    Expect(program.Exits(), "the program did not end on Escape");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " HANDSHAKE-DIRECTORY PROGRAM.exe\n";
        return 2;
    }
    Pictures pictures(argv[1]);
    try {
        Drive(argv[2], pictures);
    } catch (const std::exception& failure) {
        pictures.Finish("failed", failure.what());
        return 1;
    }
    pictures.Finish("done");
    return 0;
}
