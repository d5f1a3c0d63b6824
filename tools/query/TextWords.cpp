#include "TextWords.h"

#include "Utf8.h"

namespace {

// The length of the UTF-8 sequence that the byte leads, or 0 for no lead byte.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Whether the bytes may begin a character that the next piece completes.
bool MayBeCut(std::string_view rest)
{
    std::size_t length = SequenceLength(static_cast<unsigned char>(rest[0]));
    if (length <= rest.size())
        return false;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80)
            return false;
    }
    return true;
}

}  // namespace

TextWords::Script TextWords::ScriptOf(char32_t c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return Script::Latin;
    // Arabic letters, tatweel and marks; the letters of other languages and
    // the presentation forms, which Windows-1256 lacks, still make words.
    if ((c >= 0x0621 && c <= 0x063A) || (c >= 0x0640 && c <= 0x065F) || (c >= 0x0670 && c <= 0x06D3) ||
        (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFC))
        return Script::Arabic;
    return Script::None;
}

void TextWords::EndWord(const Take& take)
{
    if (!m_word.empty())
        take(m_word);
    m_word.clear();
    m_script = Script::None;
}

bool TextWords::Feed(std::string_view piece, const Take& take)
{
    std::string text = m_pending;
    text += piece;
    m_pending.clear();
    for (std::size_t at = 0; at < text.size();) {
        std::optional<bookformat::Utf8Character> character = bookformat::DecodeUtf8At(text, at);
        if (!character) {
            std::string_view rest = std::string_view(text).substr(at);
            if (MayBeCut(rest)) {
                m_pending = rest;
                m_offset += at;
                return true;
            }
            m_badOffset = m_offset + at;
            m_word.clear();
            return false;
        }
        Script script = ScriptOf(character->codePoint);
        if (script != m_script)
            EndWord(take);
        if (script != Script::None) {
            m_word.append(text, at, character->length);
            m_script = script;
        }
        at += character->length;
    }
    m_offset += text.size();
    return true;
}

bool TextWords::Finish(const Take& take)
{
    if (!m_pending.empty()) {
        m_badOffset = m_offset;
        m_word.clear();
        return false;
    }
    EndWord(take);
    return true;
}
