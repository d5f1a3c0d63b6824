#pragma once

#include <windows.h>

// A font that this object owns and deletes; windows that use it must not outlive it.
class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    HFONT m_hObject = nullptr;

    BOOL CreateFontIndirect(const LOGFONTW* logFont)
    {
        DeleteObject();
        m_hObject = ::CreateFontIndirectW(logFont);
        return m_hObject != nullptr;
    }
    void DeleteObject()
    {
        if (m_hObject)
            ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }
};
