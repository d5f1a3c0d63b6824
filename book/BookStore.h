#pragma once

#include <cstdint>

// The dictionary text linked into the program: Windows-1256, CR LF lines,
// followed by one NUL byte that the length does not count.
namespace BookStore {

const char* GetStart();
std::uint32_t GetLength();

}  // namespace BookStore
