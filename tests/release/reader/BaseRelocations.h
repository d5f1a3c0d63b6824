#pragma once

#include "PeImage.h"

#include <cstdint>
#include <set>

namespace pe {

inline constexpr std::size_t kBaseRelocationDirectory = 5;

// The RVAs of the 32-bit fields that the loader adjusts when it moves the image
// (IMAGE_REL_BASED_HIGHLOW entries of the base relocation table).
std::set<std::uint32_t> ReadHighLowRelocations(const PeImage& image);

}  // namespace pe
