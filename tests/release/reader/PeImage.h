#pragma once

#include "ByteView.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pe {

struct Section {
    std::string name;
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawOffset = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t characteristics = 0;
};

struct DataDirectory {
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
};

inline constexpr std::size_t kResourceDirectory = 2;

// The headers and section table of a 32-bit (PE32) image file, read from bytes
// it keeps. Throws MalformedFile when they cannot be read.
class PeImage {
public:
    explicit PeImage(std::vector<std::uint8_t> bytes);

    // Throws std::runtime_error when the file cannot be read.
    static PeImage Load(const std::string& path);

    ByteView File() const { return {m_bytes.data(), m_bytes.size()}; }

    std::uint16_t Machine() const { return m_machine; }
    std::uint16_t Characteristics() const { return m_characteristics; }
    std::uint32_t TimeDateStamp() const { return m_timeDateStamp; }
    std::uint16_t Subsystem() const { return m_subsystem; }
    std::uint16_t DllCharacteristics() const { return m_dllCharacteristics; }
    std::uint32_t ImageBase() const { return m_imageBase; }
    std::uint32_t SymbolTableOffset() const { return m_symbolTableOffset; }
    std::uint32_t SymbolCount() const { return m_symbolCount; }

    const std::vector<Section>& Sections() const { return m_sections; }
    const Section* FindSection(std::string_view name) const;
    const Section* SectionOfRva(std::uint32_t rva) const;
    DataDirectory Directory(std::size_t index) const;

    // The file's bytes of the section's initialized contents.
    ByteView SectionData(const Section& section) const;
    // `length` initialized bytes at `rva`, all in one section.
    ByteView AtRva(std::uint32_t rva, std::uint32_t length) const;
    // A name from the COFF string table, at `offset` from its start.
    std::string StringTableEntry(std::uint32_t offset) const;

private:
    void ReadSections(ByteView table, std::uint16_t count);

    std::vector<std::uint8_t> m_bytes;
    std::uint16_t m_machine = 0;
    std::uint16_t m_characteristics = 0;
    std::uint32_t m_timeDateStamp = 0;
    std::uint16_t m_subsystem = 0;
    std::uint16_t m_dllCharacteristics = 0;
    std::uint32_t m_imageBase = 0;
    std::uint32_t m_symbolTableOffset = 0;
    std::uint32_t m_symbolCount = 0;
    std::vector<DataDirectory> m_directories;
    std::vector<Section> m_sections;
};

}  // namespace pe
