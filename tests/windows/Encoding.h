#pragma once

#include <string>
#include <string_view>

// The program's texts are Windows-1256 bytes; the tests write theirs in UTF-8
// and type them as UTF-16 characters.
std::string Utf8ToArabicAnsi(std::string_view utf8);
std::wstring ArabicAnsiToWide(std::string_view ansi);
std::string WideToUtf8(std::wstring_view wide);
