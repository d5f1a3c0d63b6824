#pragma once

#include "PeImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pe {

// A resource type or name: a number, or a string when `name` is not empty.
struct ResourceId {
    std::uint16_t number = 0;
    std::u16string name;

    bool Is(std::uint16_t id) const { return name.empty() && number == id; }
};

// One leaf of the type / name / language tree, its data mapped to the file's bytes.
struct Resource {
    ResourceId type;
    ResourceId name;
    std::uint16_t language = 0;
    std::uint32_t codePage = 0;
    ByteView data;
};

inline constexpr std::uint16_t kRtIcon = 3;
inline constexpr std::uint16_t kRtDialog = 5;
inline constexpr std::uint16_t kRtString = 6;
inline constexpr std::uint16_t kRtGroupIcon = 14;
inline constexpr std::uint16_t kRtVersion = 16;
inline constexpr std::uint16_t kRtManifest = 24;

class ResourceTree {
public:
    explicit ResourceTree(const PeImage& image);

    const std::vector<Resource>& All() const { return m_resources; }
    // Every language under which the numbered type and name exist, in file order.
    std::vector<const Resource*> Find(std::uint16_t type, std::uint16_t name) const;
    const Resource* Find(std::uint16_t type, std::uint16_t name, std::uint16_t language) const;

private:
    std::vector<Resource> m_resources;
};

}  // namespace pe
