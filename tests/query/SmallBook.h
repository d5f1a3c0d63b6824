#pragma once

#include <string>
#include <vector>

// A small book that keeps every rule, in Windows-1256, one string per line.
namespace smallbook {

const std::string kKtb = "\xDF\xCA\xC8";        // the root k-t-b
const std::string kKtm = "\xDF\xCA\xE3";        // the root k-t-m
const std::string kKatib = "\xDF\xC7\xCA\xC8";  // the word katib

inline std::vector<std::string> Lines()
{
    return {
        "*BOOK*Kalimor small 1.00", "*AUTHOR*A. Writer", "*STAMP*0123456789", "*EXEVER*08",
        "*TYPING* first note", "*TYPING*second note", "*END*",                           // lines 1-7
        "*1*Preface", "@ Hello the preface begins",                                     // 8-9
        "*1* chapter kaf [ \xD5 1 ] - [\xD5 9 ]", "@ [" + kKtb + "] \xDF \xCA \xC8: writing",  // 10-11
        "a continuation line", "", "@ [" + kKtm + "] \xDF \xCA \xE3: concealing",       // 12-14
        "@ " + kKatib + " \xDD\xED \xDF \xCA \xC8", "@ [" + kKtb + "] \xDF \xCA \xC8: second entry",  // 15-16
        "@\xDF letter introduction", "*1*closing words", "*EOF*opaque bytes",           // 17-19
    };
}

inline std::string Join(const std::vector<std::string>& lines)
{
    std::string book;
    for (const std::string& line : lines)
        book += line + "\r\n";
    return book;
}

// The small book with one line replaced.
inline std::string With(int lineNumber, const std::string& text)
{
    std::vector<std::string> lines = Lines();
    lines.at(static_cast<std::size_t>(lineNumber - 1)) = text;
    return Join(lines);
}

}  // namespace smallbook
