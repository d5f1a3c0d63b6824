#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

// Real input, sent through the system's input queue (SendInput) to whatever
// window has the focus or lies under the pointer, as a user's would be.

void PressKey(WORD virtualKey);
// Presses the keys in order and releases them in reverse, e.g. {VK_MENU, VK_SPACE}.
void PressChord(std::initializer_list<WORD> virtualKeys);
// Types each character as itself, whatever the keyboard layout (KEYEVENTF_UNICODE).
void TypeText(std::wstring_view text);
// Types Windows-1256 text, which reaches an ANSI program as the same bytes.
void TypeArabicAnsi(std::string_view text);

// Moves the pointer to a screen point and clicks the left button there.
void ClickAt(POINT screen);

// A screen point inside character index of an edit control: its cell's
// top-left corner (EM_POSFROMCHAR) moved one pixel right and a few down.
POINT PointInCharacter(HWND edit, int index);
// A screen point inside the middle character of a display line of an edit control.
POINT PointInLine(HWND edit, int line);
// A screen point on the empty display line after a text of two or more lines
// that ends with a line break: one line height below the last line of text.
POINT PointInEmptyLastLine(HWND edit);
POINT CenterOf(HWND window);
