#include "Encoding.h"

#include <windows.h>

namespace {

constexpr UINT kArabicCodePage = 1256;

std::wstring ToWide(UINT codePage, std::string_view text)
{
    int length = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

std::string Utf8ToArabicAnsi(std::string_view utf8)
{
    std::wstring wide = ToWide(CP_UTF8, utf8);
    int length = ::WideCharToMultiByte(kArabicCodePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(kArabicCodePage, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), length, nullptr, nullptr);
    return ansi;
}

std::wstring ArabicAnsiToWide(std::string_view ansi)
{
    return ToWide(kArabicCodePage, ansi);
}

std::string WideToUtf8(std::wstring_view wide)
{
    int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}
