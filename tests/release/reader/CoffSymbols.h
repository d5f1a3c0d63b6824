#pragma once

#include "PeImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pe {

// One entry of the COFF symbol table; its auxiliary records are skipped.
struct Symbol {
    std::string name;
    std::uint32_t value = 0;
    std::int16_t sectionNumber = 0;  // 1-based index into the section table
    std::uint16_t type = 0;
    std::uint8_t storageClass = 0;
    std::uint8_t auxCount = 0;
};

inline constexpr std::uint8_t kClassExternal = 2;
inline constexpr std::uint8_t kClassStatic = 3;
inline constexpr std::uint16_t kTypeFunction = 0x20;

std::vector<Symbol> ReadSymbols(const PeImage& image);

}  // namespace pe
