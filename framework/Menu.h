#pragma once

#include <windows.h>

// A menu handle; the window owns the menu, this object does not.
class CMenu {
public:
    explicit CMenu(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

    HMENU m_hMenu;

    BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, const char* newItem = nullptr) { return ::AppendMenuA(m_hMenu, flags, idNewItem, newItem); }
};
