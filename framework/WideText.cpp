#include "WideText.h"

std::wstring ToWideText(const char* text)
{
    int length = ::MultiByteToWideChar(kTextCodePage, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(kTextCodePage, 0, text, -1, wide.data(), length);
    wide.pop_back();  // the converted NUL
    return wide;
}

CString FromWideText(const wchar_t* text, int length)
{
    int bytes = ::WideCharToMultiByte(kTextCodePage, WC_NO_BEST_FIT_CHARS, text, length, nullptr, 0, nullptr, nullptr);
    CString converted;
    ::WideCharToMultiByte(kTextCodePage, WC_NO_BEST_FIT_CHARS, text, length, converted.GetBuffer(bytes), bytes, nullptr,
                          nullptr);
    converted.ReleaseBuffer(bytes);
    return converted;
}
