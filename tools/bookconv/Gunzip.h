#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct Inflated {
    bool ok = false;
    std::string bytes;
    std::string error;  // when not ok
};

// The bytes of a gzip file, such as the dictd's .dict.dz, whose chunks are
// one gzip stream to zlib; refused when they would exceed limit bytes.
Inflated Gunzip(std::string_view compressed, std::size_t limit);
