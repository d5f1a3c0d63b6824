#pragma once

#include <array>
#include <cstdint>
#include <string_view>

using Sha256Digest = std::array<std::uint8_t, 32>;

// SHA-256 of the bytes.
Sha256Digest Sha256(std::string_view bytes);
