#pragma once

#include <string>
#include <string_view>

// The program's texts are Windows-1256 bytes; the tests write theirs in UTF-8,
// type them as UTF-16 characters and read the windows' texts back as UTF-16.
// Every conversion names its code page: none depends on the system's.
std::string Utf8ToArabicAnsi(std::string_view utf8);
std::wstring Utf8ToWide(std::string_view utf8);
std::wstring ArabicAnsiToWide(std::string_view ansi);
// A character that Windows-1256 lacks becomes '?'.
std::string WideToArabicAnsi(std::wstring_view wide);
std::string WideToUtf8(std::wstring_view wide);
