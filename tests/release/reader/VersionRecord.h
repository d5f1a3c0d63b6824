#pragma once

#include "ByteView.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pe {

// One block of a version resource: a key, a value, and child blocks.
struct VersionBlock {
    std::u16string key;
    bool textValue = false;
    ByteView value;
    std::vector<VersionBlock> children;
};

VersionBlock ParseVersionBlock(ByteView data);

struct FixedFileInfo {
    std::uint32_t signature = 0;
    std::uint32_t structVersion = 0;
    std::uint32_t fileVersionMs = 0;
    std::uint32_t fileVersionLs = 0;
    std::uint32_t productVersionMs = 0;
    std::uint32_t productVersionLs = 0;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOs = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
};

struct Translation {
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
};

// The root "VS_VERSION_INFO" block read into its parts: the fixed record, each
// string table of StringFileInfo by its key, and VarFileInfo's Translation pairs.
struct VersionRecord {
    FixedFileInfo fixed;
    std::map<std::u16string, std::map<std::u16string, std::u16string>> stringTables;
    std::vector<Translation> translations;
};

VersionRecord ParseVersionRecord(ByteView data);

}  // namespace pe
