#include "ResourceString.h"

#include "WideText.h"

CString LoadResourceString(UINT id)
{
    const wchar_t* resource = nullptr;
    int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&resource), 0);
    return length > 0 ? FromWideText(resource, length) : CString();
}
