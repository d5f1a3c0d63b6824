#include "BookLines.h"

#include "Arabic1256.h"
#include "BookFormat.h"

using namespace arabic1256;
using namespace bookformat;

namespace {

std::string Joined(const std::vector<std::string>& units, const char* separator)
{
    std::string joined;
    for (const std::string& unit : units)
        joined += (joined.empty() ? "" : separator) + unit;
    return joined;
}

}  // namespace

std::vector<std::string> BookLines::Header()
{
    auto line = [](std::string_view tag, const std::string& value) { return std::string(tag) + value; };
    return {
        line(tag::kBook, m_text.Words(11) + ' ' + m_text.Words(8) + " 1.00"),
        line(tag::kAuthor, m_text.Words(15)),
        line(tag::kStamp, m_text.Opaque(32)),
        line(tag::kExever, "08"),
        line(tag::kTyping, ' ' + m_text.Words(58)),
        line(tag::kTyping, m_text.Words(27)),
        line(tag::kTyping, m_text.Words(189)),
        line(tag::kEnd, ""),
    };
}

std::string BookLines::LetterChapter(char letter, int& page)
{
    static const char* const kHyphens[] = {" - ", "-", " -", "- "};
    std::string line = std::string(kChapterLineStart) + ' ' + kChapterWord + ' ' + kLetterWord + ' ' + letter + ' ';
    line += m_text.PageReference(page);
    line += kHyphens[m_prng.Below(4)];
    page += m_prng.Between(8, 60);
    line += m_text.PageReference(page);
    ++page;
    return line;
}

char BookLines::Initial(char letter)
{
    // The alef chapter holds every form of alef.
    return letter == kAlphabet[0] ? kAlefForms[static_cast<std::size_t>(m_prng.Below(4))] : letter;
}

std::string BookLines::RootEntryHead(char first, int rootBytes)
{
    // Roots repeat only when a few tries find no new one, as short roots must.
    std::vector<std::string> units;
    for (int attempt = 0; attempt < 4; ++attempt) {
        units.clear();
        int bytes = 0;
        for (char letter = Initial(first); bytes < rootBytes; letter = m_text.Letter()) {
            // Only the rare long roots are vocalised.
            bool vocalised = rootBytes >= 5 && rootBytes - bytes >= 2;
            units.push_back(m_text.Unit(letter, vocalised));
            bytes += static_cast<int>(units.back().size());
        }
        if (m_roots.insert(Joined(units, "")).second)
            break;
    }
    return std::string(kEntryMarker) + kRootOpen + Joined(units, "") + kRootClose + ' ' + Joined(units, " ") + ": ";
}

std::string BookLines::WordEntryHead(char first)
{
    return std::string(kEntryMarker) + m_text.Word(Initial(first), m_prng.Between(2, 9), true) + ' ';
}

std::string BookLines::SpacedRoot(char first)
{
    std::string spaced(1, first);
    for (int i = 0; i < 2; ++i)
        spaced += std::string(" ") + m_text.Letter();
    return spaced;
}

std::string BookLines::CrossReference(char first)
{
    std::string line = std::string(kEntryMarker) + m_text.Word(Initial(first), m_prng.Between(2, 13), true);
    if (m_prng.Percent(5))
        line += ' ' + m_text.Word(Initial(first), m_prng.Between(3, 10), true);
    line += ' ' + kIn + ' ' + SpacedRoot(m_text.Letter());
    if (m_prng.Percent(10))
        line += ' ' + kAndIn + ' ' + SpacedRoot(m_text.Letter());
    return line;
}

std::string BookLines::LetterIntroduction(char letter)
{
    return kEntryMarker.front() + std::string(1, letter) + ' ' + m_text.Prose(m_prng.Between(40, 160));
}

std::string BookLines::EndLine()
{
    return std::string(kEndLineStart) + m_text.Opaque(255);
}
