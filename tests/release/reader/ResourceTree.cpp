#include "ResourceTree.h"

namespace pe {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kDirectoryHeaderSize = 16;
constexpr std::size_t kEntrySize = 8;

struct DirectoryEntry {
    ResourceId id;
    std::uint32_t target = 0;  // offset from the section's start; the high bit marks a subdirectory
};

ResourceId EntryId(ByteView section, std::uint32_t nameField)
{
    if ((nameField & kHighBit) == 0)
        return {static_cast<std::uint16_t>(nameField), {}};
    const std::size_t at = nameField & ~kHighBit;
    const std::uint16_t length = section.U16(at);
    ResourceId id;
    for (std::size_t i = 0; i < length; ++i)
        id.name += static_cast<char16_t>(section.U16(at + 2 + 2 * i));
    if (id.name.empty())
        throw MalformedFile("empty resource name");
    return id;
}

std::vector<DirectoryEntry> ReadDirectory(ByteView section, std::uint32_t target)
{
    if ((target & kHighBit) == 0)
        throw MalformedFile("resource leaf where a directory belongs");
    const std::size_t at = target & ~kHighBit;
    const std::size_t count = std::size_t{section.U16(at + 12)} + section.U16(at + 14);
    const ByteView entries = section.Sub(at + kDirectoryHeaderSize, count * kEntrySize);
    std::vector<DirectoryEntry> result;
    for (std::size_t i = 0; i < count; ++i)
        result.push_back({EntryId(section, entries.U32(i * kEntrySize)), entries.U32(i * kEntrySize + 4)});
    return result;
}

}  // namespace

ResourceTree::ResourceTree(const PeImage& image)
{
    const DataDirectory directory = image.Directory(kResourceDirectory);
    if (directory.rva == 0)
        return;
    const Section* section = image.SectionOfRva(directory.rva);
    if (section == nullptr)
        throw MalformedFile("resource directory lies in no section");
    const ByteView root = image.SectionData(*section).From(directory.rva - section->virtualAddress);

    // Exactly three levels: type, name, language; the languages' entries point to data entries.
    for (const DirectoryEntry& type : ReadDirectory(root, kHighBit)) {
        for (const DirectoryEntry& name : ReadDirectory(root, type.target)) {
            for (const DirectoryEntry& language : ReadDirectory(root, name.target)) {
                if (!language.id.name.empty())
                    throw MalformedFile("resource language given as a string");
                if ((language.target & kHighBit) != 0)
                    throw MalformedFile("resource directory below the language level");
                const ByteView dataEntry = root.Sub(language.target, 16);
                Resource resource;
                resource.type = type.id;
                resource.name = name.id;
                resource.language = language.id.number;
                resource.codePage = dataEntry.U32(8);
                resource.data = image.AtRva(dataEntry.U32(0), dataEntry.U32(4));
                m_resources.push_back(resource);
            }
        }
    }
}

std::vector<const Resource*> ResourceTree::Find(std::uint16_t type, std::uint16_t name) const
{
    std::vector<const Resource*> found;
    for (const Resource& resource : m_resources) {
        if (resource.type.Is(type) && resource.name.Is(name))
            found.push_back(&resource);
    }
    return found;
}

const Resource* ResourceTree::Find(std::uint16_t type, std::uint16_t name, std::uint16_t language) const
{
    for (const Resource* resource : Find(type, name)) {
        if (resource->language == language)
            return resource;
    }
    return nullptr;
}

}  // namespace pe
