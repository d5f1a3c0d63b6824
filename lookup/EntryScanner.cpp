#include "EntryScanner.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <emmintrin.h>

namespace {

const char kChapterMarker[] = "*1";
constexpr std::size_t kBlockSize = 64;  // the bits of one block fit one 64-bit word

// One bit for each byte of the 64-byte block that is an "@" or a NUL, the
// first byte lowest. The block is aligned on 64 bytes, so it never reaches
// into another page even where the text's NUL lies inside it; the address
// sanitizer would report the bytes after the NUL, so it is not told of these reads.
__attribute__((no_sanitize_address)) std::uint64_t StopsInBlock(const char* block)
{
    const __m128i ats = _mm_set1_epi8('@');
    const __m128i nuls = _mm_setzero_si128();
    std::uint64_t stops = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_load_si128(reinterpret_cast<const __m128i*>(block + 16 * i));
        const int found = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, ats), _mm_cmpeq_epi8(bytes, nuls)));
        stops |= std::uint64_t{static_cast<std::uint16_t>(found)} << (16 * i);
    }
    return stops;
}

// The 64-byte-aligned block that holds at.
const char* BlockOf(const char* at)
{
    return at - reinterpret_cast<std::uintptr_t>(at) % kBlockSize;
}

// Eight bytes of text as one word, the first byte lowest whatever the
// machine's byte order. Compilers make this one load.
std::uint64_t LoadWord(const char* text)
{
    const auto byte = [text](int i) { return std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i); };
    return byte(0) | byte(1) | byte(2) | byte(3) | byte(4) | byte(5) | byte(6) | byte(7);
}

// The index of the first space among the word's eight bytes, or 8 without one.
// Tokens are a few bytes long: this finds their end without a loop whose
// varying length the processor would mispredict at every entry.
int FirstSpace(std::uint64_t word)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    const std::uint64_t diff = word ^ (kOnes * ' ');
    // The lowest byte flagged here is the first space; flags above it may be false.
    const std::uint64_t spaces = (diff - kOnes) & ~diff & kHighBits;
    return spaces ? __builtin_ctzll(spaces) / 8 : 8;
}

// The space that ends the token at token, or nullptr when no space lies
// within the token limit. nextAt is the first "@" at or after token, or
// nullptr; up to it the text holds no NUL, so the search may read whole words
// there. The byte loop then starts at most at the byte after nextAt, which is
// in the text (perhaps its NUL).
const char* FindTokenEnd(const char* token, const char* nextAt)
{
    const std::size_t last = EntryScanner::kTokenLimit;  // the furthest index of the ending space
    std::size_t at = 0;
    if (nextAt) {
        const std::size_t known = std::min(static_cast<std::size_t>(nextAt + 1 - token), last + 1);
        for (; at + 8 <= known; at += 8) {
            const int space = FirstSpace(LoadWord(token + at));
            if (space < 8)
                return token + at + space;
        }
    }
    for (; at <= last && token[at] != '\0'; ++at)
        if (token[at] == ' ')
            return token + at;
    return nullptr;
}

}  // namespace

EntryScanner::EntryScanner(const char* text)
    : m_block(BlockOf(text)),
      m_stops(StopsInBlock(m_block)),
      m_headword(new char[kBufferSize])
{
    m_marker = EntryMarkerFrom(FindAt(text));
    m_entryMarkersLeft = m_marker != nullptr;
}

const char* EntryScanner::FindAt(const char* from)
{
    if (static_cast<std::size_t>(from - m_block) >= kBlockSize) {
        m_block = BlockOf(from);
        m_stops = StopsInBlock(m_block);
    }
    std::uint64_t stops = m_stops & (~std::uint64_t{0} << (from - m_block));
    while (!stops) {
        m_block += kBlockSize;
        stops = StopsInBlock(m_block);
    }
    m_stops = stops;
    const char* stop = m_block + __builtin_ctzll(stops);
    return *stop ? stop : nullptr;
}

// Searching for the rare "@" alone and then checking the byte after it is
// several times faster than a two-byte strstr.
const char* EntryScanner::EntryMarkerFrom(const char* at)
{
    for (; at; at = FindAt(at + 1))
        if (at[1] == ' ')
            return at;
    return nullptr;
}

const char* EntryScanner::FindNextMarker(const char* from, const char* nextAt)
{
    if (m_entryMarkersLeft) {
        // Without an "@" after the token's start there is no "@ " after its end either.
        if (nextAt) {
            // The "@" found ahead may lie inside the token, which passes it over.
            if (const char* marker = EntryMarkerFrom(nextAt >= from ? nextAt : FindAt(from)))
                return marker;
        }
        // Remembered, so that each "*1" visited from now on does not search the rest of the text again.
        m_entryMarkersLeft = false;
    }
    return std::strstr(from, kChapterMarker);
}

bool EntryScanner::Next(ScannedEntry& entry)
{
    if (!m_marker)
        return false;

    const char* token = m_marker + 2;
    // Looking ahead for the next "@" bounds the search for the token's end, and
    // is where the search for the next marker starts.
    const char* nextAt = m_entryMarkersLeft ? FindAt(token) : nullptr;
    const char* tokenEnd = FindTokenEnd(token, nextAt);
    // A token that no space ends, or one over the limit, ends the walk.
    if (!tokenEnd) {
        m_marker = nullptr;
        return false;
    }

    int length = static_cast<int>(tokenEnd - token);
    const char* headword = token;
    if (*token == '[') {
        // The brackets are dropped by position: the first and the last byte.
        headword = token + 1;
        length = length >= 2 ? length - 2 : 0;
    }
    char* buffer = m_headword.get();
    // Most headwords are short: where the text is known to go on far enough,
    // one copy of a fixed size costs less than one of the exact length.
    constexpr int kShortCopy = 16;
    if (nextAt && length <= kShortCopy && nextAt + 2 - headword >= kShortCopy)
        std::memcpy(buffer, headword, kShortCopy);
    else
        std::memcpy(buffer, headword, static_cast<std::size_t>(length));
    buffer[length] = '\0';

    entry.marker = m_marker;
    entry.tokenEnd = tokenEnd;
    entry.headword = buffer;
    entry.headwordLength = length;
    m_marker = FindNextMarker(tokenEnd, nextAt);
    return true;
}

CString EntryScanner::EntryTextAt(const char* marker)
{
    const char* start = marker + 2;
    const char* end = std::strchr(start, '\n');
    if (!end)
        end = std::strstr(start, kChapterMarker);
    if (!end)
        end = start + std::strlen(start);
    return CString(marker + 1, static_cast<int>(end - (marker + 1)));
}
