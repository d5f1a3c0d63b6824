#include "PeImage.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

namespace pe {

namespace {

constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::size_t kCoffHeaderSize = 20;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kSymbolSize = 18;

std::uint32_t DecimalOffset(std::string_view digits)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        throw MalformedFile("bad long section name /" + std::string(digits));
    return value;
}

std::string FixedName(ByteView field)
{
    const std::string_view chars = field.Chars();
    return std::string(chars.substr(0, chars.find('\0')));
}

// Sections whose virtual size is given map only that much of their raw data.
std::uint32_t InitializedSize(const Section& section)
{
    return section.virtualSize == 0 ? section.rawSize : std::min(section.rawSize, section.virtualSize);
}

}  // namespace

PeImage PeImage::Load(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return PeImage(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {}));
}

PeImage::PeImage(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes))
{
    const ByteView file = File();
    if (file.Sub(0, 2).Chars() != "MZ")
        throw MalformedFile("no MZ header");
    const std::uint32_t peOffset = file.U32(0x3C);
    if (file.Sub(peOffset, 4).Chars() != std::string_view("PE\0\0", 4))
        throw MalformedFile("no PE signature");

    const ByteView coff = file.Sub(peOffset + 4, kCoffHeaderSize);
    m_machine = coff.U16(0);
    const std::uint16_t sectionCount = coff.U16(2);
    m_timeDateStamp = coff.U32(4);
    m_symbolTableOffset = coff.U32(8);
    m_symbolCount = coff.U32(12);
    const std::uint16_t optionalSize = coff.U16(16);
    m_characteristics = coff.U16(18);

    const ByteView optional = file.Sub(peOffset + 4 + kCoffHeaderSize, optionalSize);
    if (optional.U16(0) != kPe32Magic)
        throw MalformedFile("not a PE32 optional header: magic " + std::to_string(optional.U16(0)));
    m_imageBase = optional.U32(28);
    m_subsystem = optional.U16(68);
    m_dllCharacteristics = optional.U16(70);
    const std::uint32_t directoryCount = optional.U32(92);
    if (directoryCount > (optional.Size() - 96) / 8)
        throw MalformedFile("data directories overrun the optional header");
    for (std::uint32_t i = 0; i < directoryCount; ++i)
        m_directories.push_back({optional.U32(96 + 8 * i), optional.U32(100 + 8 * i)});

    const std::size_t tableOffset = peOffset + 4 + kCoffHeaderSize + optionalSize;
    ReadSections(file.Sub(tableOffset, std::size_t{sectionCount} * kSectionHeaderSize), sectionCount);
}

void PeImage::ReadSections(ByteView table, std::uint16_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const ByteView header = table.Sub(i * kSectionHeaderSize, kSectionHeaderSize);
        Section section;
        section.name = FixedName(header.Sub(0, 8));
        // Names longer than eight bytes are "/" and a decimal offset into the string table.
        if (section.name.size() > 1 && section.name[0] == '/')
            section.name = StringTableEntry(DecimalOffset(std::string_view(section.name).substr(1)));
        section.virtualSize = header.U32(8);
        section.virtualAddress = header.U32(12);
        section.rawSize = header.U32(16);
        section.rawOffset = header.U32(20);
        section.characteristics = header.U32(36);
        File().Sub(section.rawOffset, section.rawSize);  // refuses a section that the file does not hold
        m_sections.push_back(section);
    }
}

const Section* PeImage::FindSection(std::string_view name) const
{
    const auto found = std::find_if(m_sections.begin(), m_sections.end(),
                                    [name](const Section& section) { return section.name == name; });
    return found == m_sections.end() ? nullptr : &*found;
}

const Section* PeImage::SectionOfRva(std::uint32_t rva) const
{
    for (const Section& section : m_sections) {
        const std::uint32_t extent = std::max(section.virtualSize, section.rawSize);
        if (rva >= section.virtualAddress && rva - section.virtualAddress < extent)
            return &section;
    }
    return nullptr;
}

DataDirectory PeImage::Directory(std::size_t index) const
{
    return index < m_directories.size() ? m_directories[index] : DataDirectory{};
}

ByteView PeImage::SectionData(const Section& section) const
{
    return File().Sub(section.rawOffset, InitializedSize(section));
}

ByteView PeImage::AtRva(std::uint32_t rva, std::uint32_t length) const
{
    const Section* section = SectionOfRva(rva);
    if (section == nullptr)
        throw MalformedFile("RVA " + std::to_string(rva) + " lies in no section");
    return SectionData(*section).Sub(rva - section->virtualAddress, length);
}

std::string PeImage::StringTableEntry(std::uint32_t offset) const
{
    if (m_symbolTableOffset == 0)
        throw MalformedFile("no string table");
    const std::size_t tableOffset = m_symbolTableOffset + std::size_t{m_symbolCount} * kSymbolSize;
    const ByteView table = File().Sub(tableOffset, File().U32(tableOffset));
    const std::string_view chars = table.From(offset).Chars();
    const std::size_t end = chars.find('\0');
    if (end == std::string_view::npos)
        throw MalformedFile("unterminated string table entry at " + std::to_string(offset));
    return std::string(chars.substr(0, end));
}

}  // namespace pe
