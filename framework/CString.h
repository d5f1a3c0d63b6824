#pragma once

#include <string>

// The framework's single-byte string: every text the program builds or
// exchanges with a control. Bytes are Windows-1256 in this program.
class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    // A negative length, or no bytes at all, gives the empty string.
    CString(const char* pch, int length) { Append(pch, length); }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    // The byte at index; '\0' for an index outside the string.
    char GetAt(int index) const { return index >= 0 && index < GetLength() ? m_str[static_cast<size_t>(index)] : '\0'; }
    operator const char*() const { return m_str.c_str(); }

    CString& operator=(const char* psz) { m_str = psz ? psz : ""; return *this; }
    CString& operator+=(const CString& other) { m_str += other.m_str; return *this; }
    CString& operator+=(const char* psz) { m_str += psz; return *this; }
    // Appends length bytes from pch; nothing when length is not positive or pch is null.
    void Append(const char* pch, int length);

    // Index of the first ch at or after start, or -1.
    int Find(char ch, int start = 0) const;
    // At most count bytes from first on; empty when first lies past the end.
    CString Mid(int first, int count) const;
    CString Mid(int first) const { return Mid(first, GetLength()); }

    // Direct access for APIs that write into a buffer: room for length bytes and a NUL.
    char* GetBuffer(int length);
    // Ends direct access; -1 takes the length up to the first NUL. The string
    // never grows here: a length beyond the buffer keeps the buffer's.
    void ReleaseBuffer(int newLength = -1);

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == b; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

private:
    std::string m_str;
};
