#pragma once

#include "CString.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// One entry visited by the walk, in book order.
struct ScannedEntry {
    const char* marker = nullptr;    // the "@" of "@ ", or the "*" of the fall-back "*1"
    const char* tokenEnd = nullptr;  // the space that ends the token
    const char* headword = nullptr;  // NUL-terminated, in the scanner's buffer
    int headwordLength = 0;
};

// Forward-only cursor over a NUL-terminated book text. Yields every entry
// marker's headword; the text's length is never consulted.
class EntryScanner {
public:
    static constexpr int kTokenLimit = 250;
    static constexpr int kBufferSize = 255;

    explicit EntryScanner(const char* text);

    // Fills in the next entry; false once the walk has ended, and on every later call.
    bool Next(ScannedEntry& entry);

    // The entry's own line from the space after the marker up to its line feed
    // (or, without one, up to the next "*1", or else the end of the text).
    static CString EntryTextAt(const char* marker);

private:
    // The first "@" at or after from, or nullptr where the text's NUL comes
    // first: strchr(from, '@'), for a from that never goes back. A walk asks
    // once per entry, a few dozen bytes on; the C library's strchr (Wine's
    // above all) then costs a loop per byte and a mispredicted exit per call,
    // where the bits of one block serve several entries.
    const char* FindAt(const char* from);
    // The first "@ " at or after at, an "@" found by FindAt or nullptr.
    const char* EntryMarkerFrom(const char* at);
    // The marker after the token that ends at from; nextAt is the first "@" at or after that token's start.
    const char* FindNextMarker(const char* from, const char* nextAt);

    const char* m_block;     // the 64-byte-aligned block that FindAt last stopped in
    std::uint64_t m_stops;   // its "@" and NUL bytes as bits, those before the last stop cleared
    const char* m_marker;  // the marker to visit next; nullptr once the walk has ended
    // False once a search found no "@ " up to the end: the walk only falls back on "*1" from then on.
    bool m_entryMarkersLeft;
    std::unique_ptr<char[]> m_headword;
};
