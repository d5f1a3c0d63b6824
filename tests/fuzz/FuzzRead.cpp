// Arbitrary bytes as the text that kalimor-query read takes: its first byte
// sets how the rest is cut into pieces, and the words taken, the offset of a
// byte that is no UTF-8 and every answer must be what the whole text gives
// at once.
#include "BookReader.h"
#include "TextWords.h"
#include "Utf8.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// A small book: a word, a form that refers to it, an English word.
const std::string kBook = "*BOOK*t 1.00\r\n*END*\r\n*1*a\r\n"
                          "@ \xDF\xCA\xC7\xC8 book\r\n"
                          "@ \xDF\xCA\xC8 \xC7\xE4\xD9\xD1: \xDF\xF6\xCA\xC7\xC8 (books)\r\n"
                          "@ house \xC8\xED\xCA\r\n"
                          "*1*end\r\n";

struct Read {
    bool ok;
    std::size_t badOffset;
    std::vector<std::string> words;
};

Read ReadInPieces(std::string_view text, std::size_t pieceSize)
{
    TextWords words;
    Read read{true, 0, {}};
    auto take = [&](const std::string& word) { read.words.push_back(word); };
    for (std::size_t at = 0; at < text.size() && read.ok; at += pieceSize)
        read.ok = words.Feed(text.substr(at, pieceSize), take);
    if (read.ok)
        read.ok = words.Finish(take);
    read.badOffset = words.BadOffset();
    return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t pieceSize = data[0] % 7 + 1;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    Read whole = ReadInPieces(text, text.size() + 1);
    Read pieces = ReadInPieces(text, pieceSize);
    Require(whole.ok == pieces.ok, "the cut of the pieces does not change whether the text is UTF-8");
    Require(whole.words == pieces.words, "the cut of the pieces does not change the words");
    if (!whole.ok) {
        Require(whole.badOffset == pieces.badOffset, "the cut of the pieces does not change the bad byte's offset");
        Require(whole.badOffset <= text.size(), "the bad byte lies in the text or at its end");
        Require(!bookformat::DecodeUtf8At(text, whole.badOffset), "no character begins at the bad byte");
    }

    static BookReader reader(kBook.c_str());
    for (const std::string& word : whole.words) {
        Require(!word.empty(), "a word has a letter");
        BookReader::Answer answer = reader.AnswerFor(word);
        Require((answer.found == BookReader::Found::NotInBook) == answer.entries.empty(),
                "a word is answered with entries exactly when it is in the book");
        for (const std::string& entry : answer.entries)
            Require(entry.size() >= 2 && entry.front() == ' ' && entry.back() == '\r', "an entry is a line's text");
    }
    return 0;
}
