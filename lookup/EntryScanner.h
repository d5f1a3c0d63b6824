#pragma once

#include "CString.h"

#include <cstddef>
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
    // The marker after the token that ends at from; nextAt is the first "@" at or after that token's start.
    const char* FindNextMarker(const char* from, const char* nextAt);

    const char* m_marker;  // the marker to visit next; nullptr once the walk has ended
    // False once a search found no "@ " up to the end: the walk only falls back on "*1" from then on.
    bool m_entryMarkersLeft;
    std::unique_ptr<char[]> m_headword;
};
