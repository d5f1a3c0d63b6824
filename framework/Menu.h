#pragma once

#include "WideText.h"

#include <windows.h>

// A menu handle; the window owns the menu, this object does not.
class CMenu {
public:
    explicit CMenu(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

    HMENU m_hMenu;

    // A text item's text is the program's; a separator has none.
    BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, const char* newItem = nullptr)
    {
        return ::AppendMenuW(m_hMenu, flags, idNewItem, newItem ? ToWideText(newItem).c_str() : nullptr);
    }
};
