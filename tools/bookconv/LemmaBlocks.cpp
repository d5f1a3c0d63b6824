#include "LemmaBlocks.h"

#include "BookTexts.h"

LemmaWriter::LemmaWriter(bookformat::Windows1256& encoding)
    : m_plural(encoding.FromOwnText(BookTexts::kPluralWord)), m_separator(encoding.FromOwnText(BookTexts::kNameSeparator))
{
    for (int part = 0; part < lexicon::kPartOfSpeechCount; ++part)
        m_partsOfSpeech[part] = encoding.FromOwnText(BookTexts::kPartsOfSpeech[part]);
}

std::string LemmaWriter::Details(const BookLemma& lemma, bool forms) const
{
    std::string details;
    auto add = [&](const std::string& item) { details += (details.empty() ? "" : m_separator) + item; };
    for (lexicon::PartOfSpeech part : lemma.partsOfSpeech)
        add(m_partsOfSpeech[static_cast<int>(part)]);
    if (forms && !lemma.imperfect.empty())
        add(lemma.imperfect);
    if (forms && !lemma.otherStems.empty()) {
        std::string plurals = m_plural;
        for (std::size_t i = 0; i < lemma.otherStems.size(); ++i)
            plurals += (i == 0 ? " " : m_separator) + lemma.otherStems[i];
        add(plurals);
    }
    return details.empty() ? "" : " (" + details + ")";
}

SourcedText LemmaWriter::Block(const BookLemma& lemma) const
{
    SourcedText text;
    text.Append(lemma.citation + Details(lemma, true), lemma.origin);
    for (std::size_t i = 0; i < lemma.glosses.size(); ++i)
        text.Append((i == 0 ? ": " : BookTexts::kGlossSeparator) + lemma.glosses[i], lemma.origin);
    return text;
}

std::string LemmaWriter::Name(const BookLemma& lemma) const
{
    return lemma.citation + Details(lemma, false);
}
