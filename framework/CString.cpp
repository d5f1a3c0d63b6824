#include "CString.h"

#include <algorithm>
#include <cstring>

void CString::Append(const char* pch, int length)
{
    if (pch && length > 0)
        m_str.append(pch, static_cast<size_t>(length));
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (first >= GetLength() || count <= 0)
        return CString();
    return CString(m_str.c_str() + first, std::min(count, GetLength() - first));
}

char* CString::GetBuffer(int length)
{
    if (length > GetLength())
        m_str.resize(static_cast<size_t>(length));
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength)
{
    size_t length = newLength < 0 ? std::strlen(m_str.c_str()) : static_cast<size_t>(newLength);
    m_str.resize(std::min(length, m_str.size()));
}
