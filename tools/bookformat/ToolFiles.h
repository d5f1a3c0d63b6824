#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace bookformat {

struct FileContent {
    bool ok = false;
    std::string bytes;
    std::string error;  // "cannot read PATH: ...", when not ok
};

// Reads a regular file of at most limit bytes. Anything else, a directory, a
// device, a FIFO, or a larger file, is refused before a byte is read, so that
// reading neither blocks nor runs out of memory.
FileContent ReadRegularFile(const std::string& path, std::size_t limit);

// Writes the bytes to a temporary file beside path and renames it over path
// only once it is complete on disk: a failure leaves path as it was and no
// temporary file behind. Returns "cannot write PATH: ..." on failure.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace bookformat
