#include "LexiconFiles.h"

#include <optional>

namespace lexicon {
namespace {

constexpr std::string_view kLemmaLine = ";; ";
constexpr std::string_view kPosOpen = "<pos>";
constexpr std::string_view kPosClose = "</pos>";

std::string_view Trimmed(std::string_view text)
{
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Calls take(line, number) for each line without its line end.
template <typename Take>
void ForEachLine(std::string_view text, Take take)
{
    int number = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        take(line, ++number);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

std::optional<Morpheme> ParseMorpheme(std::string_view line, int number, std::vector<Problem>& problems)
{
    std::string_view fields[4];
    for (int i = 0; i < 3; ++i) {
        std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            problems.push_back({number, "a line of " + std::to_string(i + 1) + " fields, not 4"});
            return std::nullopt;
        }
        fields[i] = line.substr(0, tab);
        line.remove_prefix(tab + 1);
    }
    if (line.find('\t') != std::string_view::npos) {
        problems.push_back({number, "a line of more than 4 fields"});
        return std::nullopt;
    }
    fields[3] = line;
    Morpheme morpheme{number, std::string(fields[0]), std::string(fields[1]), std::string(fields[2]), {}, {}};
    std::size_t open = fields[3].find(kPosOpen);
    std::size_t close = fields[3].find(kPosClose, open);
    morpheme.gloss = Trimmed(fields[3].substr(0, open));
    if (open != std::string_view::npos && close != std::string_view::npos)
        morpheme.pos = fields[3].substr(open + kPosOpen.size(), close - open - kPosOpen.size());
    return morpheme;
}

bool IsComment(std::string_view line)
{
    return line.empty() || line.front() == ';';
}

// 'V' for a verb's category, 'N' for a noun's, '\0' for any other (a function word's).
char KindOf(const std::string& category)
{
    std::string_view head = std::string_view(category).substr(0, 2);
    if (head == "PV" || head == "IV" || head == "CV")
        return 'V';
    return category.rfind('N', 0) == 0 ? 'N' : '\0';
}

// Whether the stem opens a lemma whose ID line is missing: a verb's stem
// after a noun's under one ID, or a noun's after a verb's.
bool OpensUnnamedLemma(const Lemma& lemma, const Morpheme& stem)
{
    if (lemma.stems.empty())
        return false;
    char before = KindOf(lemma.stems.back().category);
    char now = KindOf(stem.category);
    return before != '\0' && now != '\0' && before != now;
}

}  // namespace

StemFile ReadStems(std::string_view text)
{
    StemFile file;
    ForEachLine(text, [&](std::string_view line, int number) {
        if (line.substr(0, kLemmaLine.size()) == kLemmaLine) {
            file.lemmas.push_back({number, std::string(line.substr(kLemmaLine.size())), {}});
            return;
        }
        if (IsComment(line))
            return;
        std::optional<Morpheme> stem = ParseMorpheme(line, number, file.problems);
        if (!stem)
            return;
        if (file.lemmas.empty()) {
            file.problems.push_back({number, "a stem before the first lemma"});
            return;
        }
        if (OpensUnnamedLemma(file.lemmas.back(), *stem))
            file.lemmas.push_back({number, "", {}});
        file.lemmas.back().stems.push_back(std::move(*stem));
    });
    return file;
}

std::vector<Morpheme> ReadAffixes(std::string_view text, std::vector<Problem>& problems)
{
    std::vector<Morpheme> affixes;
    ForEachLine(text, [&](std::string_view line, int number) {
        if (IsComment(line))
            return;
        if (std::optional<Morpheme> affix = ParseMorpheme(line, number, problems))
            affixes.push_back(std::move(*affix));
    });
    return affixes;
}

CategoryPairs ReadTable(std::string_view text, std::vector<Problem>& problems)
{
    CategoryPairs pairs;
    ForEachLine(text, [&](std::string_view line, int number) {
        if (IsComment(line))
            return;
        std::string_view trimmed = Trimmed(line);
        std::size_t space = trimmed.find(' ');
        if (space == std::string_view::npos || trimmed.find(' ', space + 1) != std::string_view::npos) {
            problems.push_back({number, "a line that is not two categories"});
            return;
        }
        pairs.emplace(trimmed.substr(0, space), trimmed.substr(space + 1));
    });
    return pairs;
}

}  // namespace lexicon
