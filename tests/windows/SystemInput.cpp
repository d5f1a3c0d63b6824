#include "SystemInput.h"

#include "Encoding.h"

#include <vector>

namespace {

INPUT KeyInput(WORD virtualKey, WORD scan, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT>& inputs)
{
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Absolute mouse coordinates run from 0 to 65536 across the primary screen; rounding
// up lands on the exact pixel.
LONG Normalized(LONG pixel, int screenSize)
{
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

INPUT MouseInput(POINT screen, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalized(screen.x, ::GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalized(screen.y, ::GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

}  // namespace

void PressKey(WORD virtualKey)
{
    PressChord({virtualKey});
}

void PressChord(std::initializer_list<WORD> virtualKeys)
{
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys)
        inputs.push_back(KeyInput(key, 0, 0));
    for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key)
        inputs.push_back(KeyInput(*key, 0, KEYEVENTF_KEYUP));
    Send(inputs);
}

void TypeText(std::wstring_view text)
{
    std::vector<INPUT> inputs;
    for (wchar_t ch : text) {
        inputs.push_back(KeyInput(0, ch, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, ch, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    Send(inputs);
}

void TypeArabicAnsi(std::string_view text)
{
    TypeText(ArabicAnsiToWide(text));
}

// Each event carries the position: the X server's own pointer may still report an old one
// between the move and the press.
void ClickAt(POINT screen)
{
    std::vector<INPUT> inputs = {MouseInput(screen, MOUSEEVENTF_MOVE),
                                 MouseInput(screen, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN),
                                 MouseInput(screen, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP)};
    Send(inputs);
}

POINT PointInCharacter(HWND edit, int index)
{
    LRESULT position = ::SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    POINT point = {static_cast<short>(LOWORD(position)) + 1, static_cast<short>(HIWORD(position)) + 4};
    ::ClientToScreen(edit, &point);
    return point;
}

POINT PointInLine(HWND edit, int line)
{
    int start = static_cast<int>(::SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    int length = static_cast<int>(::SendMessageA(edit, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
    return PointInCharacter(edit, start + length / 2);
}

POINT PointInEmptyLastLine(HWND edit)
{
    int lastText = static_cast<int>(::SendMessageA(edit, EM_GETLINECOUNT, 0, 0)) - 2;
    POINT last = PointInLine(edit, lastText);
    POINT before = PointInLine(edit, lastText - 1);
    return {last.x, last.y + (last.y - before.y)};
}

POINT CenterOf(HWND window)
{
    RECT rect;
    ::GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
