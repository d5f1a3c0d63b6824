#include "EntryLine.h"

#include "BookFormat.h"
#include "Utf8.h"

namespace {

constexpr std::string_view kZeroWidthNoBreakSpace = "\xEF\xBB\xBF";

std::string Quoted(std::string_view utf8)
{
    return "\"" + std::string(utf8) + "\"";
}

}  // namespace

HeadwordParts SplitHeadword(std::string_view headword)
{
    std::size_t cut = headword.find_first_of(" (_");
    std::size_t hyphen = headword.find('-', 1);
    if (hyphen < cut)
        cut = hyphen;
    if (cut == std::string_view::npos)
        return {headword, std::nullopt};
    std::size_t qualifierStart = headword[cut] == ' ' ? cut + 1 : cut;
    return {headword.substr(0, cut), headword.substr(qualifierStart)};
}

EntryWriter::EntryWriter(bookformat::Windows1256& encoding, const Alphabet& alphabet, Diagnostics& diagnostics)
    : m_encoding(encoding),
      m_alphabet(alphabet),
      m_diagnostics(diagnostics),
      m_synonymSeparator(encoding.FromOwnText("، ")),
      m_senseSeparator(encoding.FromOwnText(" ؛ "))
{
}

std::optional<std::string> EntryWriter::Convert(std::string_view utf8, int sourceLine, const char* field)
{
    std::string kept;
    int removed = 0;
    for (std::size_t at; (at = utf8.find(kZeroWidthNoBreakSpace)) != std::string_view::npos; ++removed) {
        kept += utf8.substr(0, at);
        utf8.remove_prefix(at + kZeroWidthNoBreakSpace.size());
    }
    kept += utf8;
    std::string what = std::string(field) + " " + Quoted(kept);
    for (int i = 0; i < removed; ++i)
        m_diagnostics.Note(sourceLine,
                           "removed U+FEFF (zero width no-break space), which Windows-1256 cannot hold, from " + what);

    bookformat::Conversion bytes = m_encoding.FromUtf8(kept);
    if (!bytes.ok) {
        m_diagnostics.Error(sourceLine, what + " holds " + bytes.error);
        return std::nullopt;
    }
    return std::move(bytes.text);
}

std::optional<int> EntryWriter::ChapterOf(const std::string& headword, std::string_view utf8, int sourceLine)
{
    std::optional<int> chapter = m_alphabet.ChapterOf(headword);
    if (!chapter) {
        m_diagnostics.Error(sourceLine, "the headword " + Quoted(utf8) + " holds no Arabic letter to file it under");
    } else if (!m_alphabet.LetterOf(headword.front())) {
        m_diagnostics.Note(sourceLine,
                           "the headword " + Quoted(utf8) + " begins with " + bookformat::DescribeCharacterAt(utf8, 0) +
                               ", no letter: kept as it is, filed under " + std::string(Alphabet::Letter(*chapter)));
    }
    return chapter;
}

std::optional<Entry> EntryWriter::Write(const ThesaurusRecord& record)
{
    HeadwordParts parts = SplitHeadword(record.headword);
    std::optional<std::string> word = Convert(parts.word, record.sourceLine, "the headword");
    std::optional<int> chapter = word ? ChapterOf(*word, parts.word, record.sourceLine) : std::nullopt;
    bool failed = !chapter;

    std::string headword = word.value_or("");
    Entry entry{chapter.value_or(0), m_alphabet.CollationKey(headword), headword, parts.qualifier.has_value(), {}};
    entry.line.Append(std::string(bookformat::kEntryMarker) + entry.headword, record.sourceLine);
    if (parts.qualifier) {
        std::optional<std::string> qualifier = Convert(*parts.qualifier, record.sourceLine, "the qualifier");
        failed |= !qualifier;
        entry.line.Append(" " + qualifier.value_or(""), record.sourceLine);
    }

    for (std::size_t i = 0; i < record.senses.size(); ++i) {
        const Sense& sense = record.senses[i];
        std::optional<std::string> label = Convert(sense.label, sense.sourceLine, "the label");
        failed |= !label;
        entry.line.Append((i == 0 ? " " : m_senseSeparator) + label.value_or(""), sense.sourceLine);
        for (std::size_t j = 0; j < sense.synonyms.size(); ++j) {
            const std::string& synonym = sense.synonyms[j];
            std::optional<std::string> bytes = Convert(synonym, sense.sourceLine, "the synonym");
            failed |= !bytes;
            entry.line.Append((j == 0 ? " " : m_synonymSeparator) + bytes.value_or(""), sense.sourceLine);
        }
    }
    if (failed)
        return std::nullopt;
    return entry;
}
