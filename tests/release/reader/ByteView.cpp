#include "ByteView.h"

namespace pe {

std::string_view ByteView::Chars() const
{
    return {reinterpret_cast<const char*>(m_data), m_size};
}

void ByteView::Require(std::size_t at, std::size_t length) const
{
    if (at > m_size || length > m_size - at)
        throw MalformedFile("read of " + std::to_string(length) + " bytes at " + std::to_string(at) +
                            " outside " + std::to_string(m_size) + " bytes");
}

std::uint8_t ByteView::U8(std::size_t at) const
{
    Require(at, 1);
    return m_data[at];
}

std::uint16_t ByteView::U16(std::size_t at) const
{
    Require(at, 2);
    return static_cast<std::uint16_t>(m_data[at] | m_data[at + 1] << 8);
}

std::int16_t ByteView::I16(std::size_t at) const
{
    return static_cast<std::int16_t>(U16(at));
}

std::uint32_t ByteView::U32(std::size_t at) const
{
    Require(at, 4);
    return static_cast<std::uint32_t>(m_data[at]) | static_cast<std::uint32_t>(m_data[at + 1]) << 8 |
           static_cast<std::uint32_t>(m_data[at + 2]) << 16 | static_cast<std::uint32_t>(m_data[at + 3]) << 24;
}

ByteView ByteView::Sub(std::size_t at, std::size_t length) const
{
    Require(at, length);
    return {m_data + at, length};
}

ByteView ByteView::From(std::size_t at) const
{
    Require(at, 0);
    return {m_data + at, m_size - at};
}

std::u16string ByteView::Utf16z(std::size_t at, std::size_t& end) const
{
    std::u16string text;
    for (std::size_t pos = at;; pos += 2) {
        const char16_t unit = U16(pos);
        if (unit == 0) {
            end = pos + 2;
            return text;
        }
        text += unit;
    }
}

}  // namespace pe
