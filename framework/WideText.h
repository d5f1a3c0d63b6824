#pragma once

#include "CString.h"

#include <windows.h>

#include <string>

// The program's texts are Windows-1256 whatever code page the system gives
// programs that are not Unicode: windows get them as UTF-16, converted here
// with this code page and never with the system's.
constexpr UINT kTextCodePage = 1256;

// MultiByteToWideChar from the program's code page.
std::wstring ToWideText(const char* text);
// WideCharToMultiByte into the program's code page. A character the code page
// lacks becomes its default character, '?', with no best fit, as on every system.
CString FromWideText(const wchar_t* text, int length);
