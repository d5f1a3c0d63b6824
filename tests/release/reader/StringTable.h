#pragma once

#include "ResourceTree.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pe {

// A string table resource holds strings in blocks of 16: block id / 16 + 1,
// each string a length in UTF-16 units followed by the units, no terminator.
std::array<std::u16string, 16> ParseStringBlock(ByteView data);

// String `id` under `language`; nothing when its block is absent. An empty string
// is stored as length 0, so an empty result means the string is not defined.
std::optional<std::u16string> FindString(const ResourceTree& resources, std::uint16_t id, std::uint16_t language);

}  // namespace pe
