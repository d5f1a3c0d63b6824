#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The words of a UTF-8 text as it arrives, piece by piece: runs of Arabic
// letters and marks, or of Latin letters; anything else, and a change from
// one script to the other, ends a word. A character may be cut between two
// pieces.
class TextWords {
public:
    using Take = std::function<void(const std::string& word)>;

    // Calls take for each word that the piece completes; false at the first
    // byte that begins no UTF-8 character, whose offset in the whole text
    // BadOffset() then gives. The word that the byte breaks is not taken.
    bool Feed(std::string_view piece, const Take& take);

    // Takes the last word; false when the text ends inside a character.
    bool Finish(const Take& take);

    std::size_t BadOffset() const { return m_badOffset; }

private:
    enum class Script { None, Arabic, Latin };
    static Script ScriptOf(char32_t codePoint);
    void EndWord(const Take& take);

    std::string m_pending;     // the bytes of a character cut at the end of the last piece
    std::size_t m_offset = 0;  // of the first byte of m_pending in the whole text
    std::string m_word;
    Script m_script = Script::None;
    std::size_t m_badOffset = 0;
};
