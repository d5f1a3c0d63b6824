#include "Blocks.h"

#include "Letters.h"
#include "Latin.h"
#include "Spelling.h"

namespace {

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

BlockWriter::BlockWriter(bookformat::Windows1256& encoding, const Alphabet& alphabet, SourceCleaner& cleaner,
                         Diagnostics& diagnostics)
    : m_encoding(encoding),
      m_alphabet(alphabet),
      m_cleaner(cleaner),
      m_diagnostics(diagnostics),
      m_synonymSeparator(encoding.FromOwnText("، "))
{
}

std::optional<std::string> BlockWriter::Convert(std::string_view utf8, Origin origin, const char* field)
{
    std::string clean = m_cleaner.Clean(utf8, origin, field);
    bookformat::Conversion bytes = m_encoding.FromUtf8(clean);
    if (!bytes.ok) {
        m_diagnostics.Error(origin, std::string(field) + " " + Quoted(clean) + " holds " + bytes.error);
        return std::nullopt;
    }
    return std::move(bytes.text);
}

std::optional<Block> BlockWriter::FromThesaurus(const ThesaurusRecord& record)
{
    const Origin origin{Source::Thesaurus, record.sourceLine};
    HeadwordParts parts = SplitHeadword(record.headword);
    std::optional<std::string> word = Convert(parts.word, origin, "the headword");
    std::optional<std::string> qualifier =
        parts.qualifier ? Convert(*parts.qualifier, origin, "the qualifier") : std::optional<std::string>("");
    bool failed = !word || !qualifier;

    Block block;
    block.origin = origin;
    if (word) {
        block.key = spelling::KeyOf(*word, m_alphabet);
        if (block.key.empty()) {
            m_diagnostics.Error(origin, "the headword " + Quoted(parts.word) + " holds no Arabic letter to file it under");
            failed = true;
        }
        block.form = *word + (parts.qualifier ? " " + qualifier.value_or("") : "");
    }
    for (const Sense& sense : record.senses) {
        const Origin at{Source::Thesaurus, sense.sourceLine};
        std::optional<std::string> label = Convert(sense.label, at, "the label");
        failed |= !label;
        SourcedText item;
        item.Append(label.value_or(""), at);
        for (std::size_t j = 0; j < sense.synonyms.size(); ++j) {
            std::optional<std::string> synonym = Convert(sense.synonyms[j], at, "the synonym");
            failed |= !synonym;
            item.Append((j == 0 ? " " : m_synonymSeparator) + synonym.value_or(""), at);
        }
        block.items.push_back(std::move(item));
    }
    if (failed)
        return std::nullopt;
    return block;
}

std::optional<Block> BlockWriter::FromArticle(const GlossaryRecord& record, Source source, const char* glossField)
{
    const Origin origin{source, record.sourceLine};
    std::optional<std::string> headword = Convert(record.headword, origin, "the headword");
    bool failed = !headword;

    Block block;
    block.origin = origin;
    block.form = headword.value_or("");
    for (const std::string& gloss : record.glosses) {
        std::optional<std::string> bytes = Convert(gloss, origin, glossField);
        failed |= !bytes;
        block.items.emplace_back().Append(bytes.value_or(""), origin);
    }
    if (failed)
        return std::nullopt;
    return block;
}

std::optional<Block> BlockWriter::FromGlossary(const GlossaryRecord& record)
{
    std::optional<Block> block = FromArticle(record, Source::Glossary, "the gloss");
    if (!block)
        return std::nullopt;
    block->key = spelling::KeyOf(block->form, m_alphabet);
    block->phrase = block->form.find(' ') != std::string::npos;
    if (block->key.empty()) {
        ++m_withoutLetter;
        m_diagnostics.Note(block->origin, "the headword " + Quoted(record.headword) + " holds no Arabic letter: left out");
        return std::nullopt;
    }
    return block;
}

std::optional<Block> BlockWriter::FromEnglish(const GlossaryRecord& record)
{
    std::optional<Block> block = FromArticle(record, Source::English, "the translation");
    if (!block)
        return std::nullopt;
    block->form = bookformat::SmallLetters(block->form);
    block->key = block->form.substr(0, block->form.find(' '));
    block->phrase = block->key.size() < block->form.size();
    if (!latin::ChapterOf(block->key)) {
        ++m_englishWithoutLetter;
        m_diagnostics.Note(block->origin, "the headword " + Quoted(record.headword) + " holds no Latin letter: left out");
        return std::nullopt;
    }
    return block;
}
