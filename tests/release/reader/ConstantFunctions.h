#pragma once

#include "ByteView.h"

#include <cstdint>
#include <vector>

namespace pe {

// A 32-bit function that does nothing but return a constant: mov eax, imm32; ret.
struct ConstantFunction {
    std::uint32_t offset = 0;  // of its first byte in the code read
    std::uint32_t value = 0;
};

// Reads `code` as such functions and the no-op fill that aligns them, in order.
// Throws MalformedFile at the first byte that begins neither.
std::vector<ConstantFunction> ReadConstantFunctions(ByteView code);

}  // namespace pe
