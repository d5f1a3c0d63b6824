#include "SourceCleaner.h"

#include "Utf8.h"

namespace {

struct CleaningRule {
    char32_t first, last;
    Cleaning kind;
    const char* note;     // what the note says was done
    const char* summary;  // what the report counts
};

constexpr CleaningRule kRules[] = {
    {0xFEF5, 0xFEFC, Cleaning::Ligature, "written as its two letters (NFKC)", "lam-alef ligatures written as two letters"},
    {0xFEFF, 0xFEFF, Cleaning::ByteOrderMark, "removed (zero width no-break space, which Windows-1256 cannot hold)",
     "U+FEFF removed"},
    {0x200E, 0x200F, Cleaning::DirectionMark, "removed (direction mark)", "direction marks removed"},
    {0x00A0, 0x00A0, Cleaning::NoBreakSpace, "written as a space", "no-break spaces written as spaces"},
    {'\\', '\\', Cleaning::QuotingDebris, "removed (left over from quoting)", "backslashes of quoting debris removed"},
    {0x0660, 0x0669, Cleaning::IndicDigit, "written as the ASCII digit (Windows-1256 has no Arabic-Indic digits)",
     "Arabic-Indic digits written as ASCII digits"},
};
constexpr const char* kEdgeSpaceSummary = "spaces at the ends of fields removed";

// The four lam-alef ligatures, isolated and final forms in turn: lam and alef with madda,
// with hamza above, with hamza below, bare alef.
std::string LigatureLetters(char32_t ligature)
{
    static const char* const kAlefs[] = {"آ", "أ", "إ", "ا"};
    return std::string("ل") + kAlefs[(ligature - 0xFEF5) / 2];
}

const CleaningRule* RuleFor(char32_t codePoint)
{
    for (const CleaningRule& rule : kRules) {
        if (codePoint >= rule.first && codePoint <= rule.last)
            return &rule;
    }
    return nullptr;
}

}  // namespace

std::string SourceCleaner::Clean(std::string_view utf8, Origin origin, const char* field)
{
    std::string clean;
    clean.reserve(utf8.size());
    for (std::size_t offset = 0; offset < utf8.size();) {
        std::optional<bookformat::Utf8Character> character = bookformat::DecodeUtf8At(utf8, offset);
        std::size_t length = character ? character->length : 1;
        const CleaningRule* rule = character ? RuleFor(character->codePoint) : nullptr;
        if (!rule) {
            clean += utf8.substr(offset, length);
        } else {
            ++m_counts[static_cast<int>(rule->kind)];
            m_diagnostics.Note(origin, bookformat::DescribeCharacterAt(utf8, offset) + " in " + field + " \"" +
                                           std::string(utf8) + "\" " + rule->note);
            if (rule->kind == Cleaning::Ligature)
                clean += LigatureLetters(character->codePoint);
            else if (rule->kind == Cleaning::NoBreakSpace)
                clean += ' ';
            else if (rule->kind == Cleaning::IndicDigit)
                clean += static_cast<char>('0' + (character->codePoint - 0x0660));
        }
        offset += length;
    }
    std::size_t first = clean.find_first_not_of(' ');
    std::size_t last = clean.find_last_not_of(' ');
    std::string trimmed = first == std::string::npos ? std::string() : clean.substr(first, last - first + 1);
    if (trimmed.size() != clean.size()) {
        ++m_counts[static_cast<int>(Cleaning::EdgeSpace)];
        m_diagnostics.Note(origin, std::string("spaces at the ends of ") + field + " \"" + clean + "\" removed");
    }
    return trimmed;
}

const char* SourceCleaner::Describe(Cleaning kind)
{
    if (kind == Cleaning::EdgeSpace)
        return kEdgeSpaceSummary;
    for (const CleaningRule& rule : kRules) {
        if (rule.kind == kind)
            return rule.summary;
    }
    return "";
}
