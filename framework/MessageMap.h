#pragma once

#include <windows.h>

#include <cstddef>
#include <type_traits>

// One line of a message map: which message (and, for WM_COMMAND, which
// notification from which control) goes to which member handler.
template <class T>
struct MessageEntry {
    UINT message;
    UINT code;  // notification code of a WM_COMMAND entry; 0 for menu commands and button clicks
    UINT id;    // control or command id of a WM_COMMAND entry
    LRESULT (*call)(T& target, WPARAM wParam, LPARAM lParam);
};

// Handler shapes the maps use: no arguments, a system command, or a returned handle.
template <class T, class C>
LRESULT InvokeHandler(T& target, void (C::*handler)(), WPARAM, LPARAM)
{
    (target.*handler)();
    return 0;
}

template <class T, class C>
LRESULT InvokeHandler(T& target, void (C::*handler)(UINT, LPARAM), WPARAM wParam, LPARAM lParam)
{
    (target.*handler)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <class T, class C, class R>
LRESULT InvokeHandler(T& target, R (C::*handler)(), WPARAM, LPARAM)
{
    R value = (target.*handler)();
    if constexpr (std::is_pointer_v<R>)
        return reinterpret_cast<LRESULT>(value);
    else
        return static_cast<LRESULT>(value);
}

template <class T, auto Handler>
constexpr MessageEntry<T> OnMessage(UINT message)
{
    return {message, 0, 0, [](T& target, WPARAM wParam, LPARAM lParam) {
                return InvokeHandler(target, Handler, wParam, lParam);
            }};
}

template <class T, auto Handler>
constexpr MessageEntry<T> OnCommand(UINT code, UINT id)
{
    return {WM_COMMAND, code, id, [](T& target, WPARAM wParam, LPARAM lParam) {
                return InvokeHandler(target, Handler, wParam, lParam);
            }};
}

// Tries the entries in order; true when one of them handled the message.
template <class T, std::size_t N>
bool DispatchMessageMap(T& target, const MessageEntry<T> (&map)[N], UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result)
{
    for (const MessageEntry<T>& entry : map) {
        if (entry.message != message)
            continue;
        if (message == WM_COMMAND && (HIWORD(wParam) != entry.code || LOWORD(wParam) != entry.id))
            continue;
        result = entry.call(target, wParam, lParam);
        return true;
    }
    return false;
}
