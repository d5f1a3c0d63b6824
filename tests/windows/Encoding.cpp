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

std::string FromWide(UINT codePage, DWORD flags, std::wstring_view wide)
{
    int length = ::WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr, nullptr);
    return text;
}

}  // namespace

std::string Utf8ToArabicAnsi(std::string_view utf8)
{
    return WideToArabicAnsi(Utf8ToWide(utf8));
}

std::wstring Utf8ToWide(std::string_view utf8)
{
    return ToWide(CP_UTF8, utf8);
}

std::wstring ArabicAnsiToWide(std::string_view ansi)
{
    return ToWide(kArabicCodePage, ansi);
}

std::string WideToArabicAnsi(std::wstring_view wide)
{
    return FromWide(kArabicCodePage, WC_NO_BEST_FIT_CHARS, wide);
}

std::string WideToUtf8(std::wstring_view wide)
{
    return FromWide(CP_UTF8, 0, wide);
}
