#include "ResourceString.h"

CString LoadResourceString(UINT id)
{
    const wchar_t* resource = nullptr;
    int length = ::LoadStringW(::GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&resource), 0);
    CString text;
    if (length <= 0)
        return text;
    int bytes = ::WideCharToMultiByte(CP_ACP, 0, resource, length, nullptr, 0, nullptr, nullptr);
    ::WideCharToMultiByte(CP_ACP, 0, resource, length, text.GetBuffer(bytes), bytes, nullptr, nullptr);
    text.ReleaseBuffer(bytes);
    return text;
}
