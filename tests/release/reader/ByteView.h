#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pe {

// Any read outside the data, or a structure that cannot be what it claims to be.
class MalformedFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A bounds-checked little-endian view of bytes owned elsewhere. Every read
// outside the view throws MalformedFile.
class ByteView {
public:
    ByteView() = default;
    ByteView(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t Size() const { return m_size; }
    std::string_view Chars() const;

    std::uint8_t U8(std::size_t at) const;
    std::uint16_t U16(std::size_t at) const;
    std::int16_t I16(std::size_t at) const;
    std::uint32_t U32(std::size_t at) const;

    ByteView Sub(std::size_t at, std::size_t length) const;
    ByteView From(std::size_t at) const;

    // The NUL-terminated UTF-16 string at `at`; `end` receives the offset just past its NUL.
    std::u16string Utf16z(std::size_t at, std::size_t& end) const;

private:
    void Require(std::size_t at, std::size_t length) const;

    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
};

// Resource structures align their fields on 4-byte boundaries of the resource data.
inline std::size_t AlignUp4(std::size_t offset)
{
    return (offset + 3) & ~static_cast<std::size_t>(3);
}

}  // namespace pe
