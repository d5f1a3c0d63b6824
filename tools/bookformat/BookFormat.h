#pragma once

#include "CString.h"
#include "EntryScanner.h"

#include <cstddef>
#include <limits>
#include <string_view>

// The byte sequences by which the lookups and the tools read a book, and the
// limits of the walk. The token limit and the string length are the walk's own.
namespace bookformat {

inline constexpr std::string_view kEntryMarker = "@ ";
inline constexpr std::string_view kChapterMarker = "*1";
inline constexpr std::string_view kChapterLineStart = "*1*";
inline constexpr std::string_view kEndLineStart = "*EOF*";
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr char kRootOpen = '[';
inline constexpr char kRootClose = ']';

inline constexpr std::size_t kTokenLimit = EntryScanner::kTokenLimit;

// The walk measures texts with CString's lengths: a larger book would overflow them.
inline constexpr std::size_t kLargestBook = std::numeric_limits<decltype(CString().GetLength())>::max();

// The header's tags, in their order; "*TYPING*" may stand on several lines.
namespace tag {
inline constexpr std::string_view kBook = "*BOOK*";
inline constexpr std::string_view kAuthor = "*AUTHOR*";
inline constexpr std::string_view kStamp = "*STAMP*";
inline constexpr std::string_view kExever = "*EXEVER*";
inline constexpr std::string_view kTyping = "*TYPING*";
inline constexpr std::string_view kEnd = "*END*";
}  // namespace tag

inline bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace bookformat
