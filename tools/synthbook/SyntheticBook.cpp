#include "SyntheticBook.h"

#include "Arabic1256.h"
#include "BookFormat.h"
#include "BookLines.h"
#include "LengthProfile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <numeric>

namespace {

constexpr std::uint64_t kSeed = 0x4B414C494D4F52;
constexpr long kBookBytes = 975848;

// Entries of each letter chapter, in alphabetical order.
constexpr int kChapterEntries[] = {240, 175, 60,  40,  160, 230, 150, 100, 50,  200,
                                   90,  190, 170, 110, 60,  100, 13,  243, 100, 173,
                                   210, 100, 70,  210, 230, 110, 150, 30};
// Bracketed roots by their length in bytes, 1 to 7.
constexpr int kRootsOfLength[] = {16, 20, 3239, 184, 10, 1, 1};
constexpr int kCrossReferences = 285;
constexpr int kWordEntries = 8;
constexpr int kPrefaceParagraphs = 4;

enum class Form { Root, CrossReference, Word };

// A line without its CR LF; prose of proseBytes bytes completes it.
struct Line {
    std::string text;
    int proseBytes = 0;
    bool profiled = false;  // its length follows the profile and absorbs the final fit
};

std::vector<Form> ShuffledForms(Prng& prng)
{
    int roots = std::accumulate(std::begin(kRootsOfLength), std::end(kRootsOfLength), 0);
    std::vector<Form> forms(static_cast<std::size_t>(roots), Form::Root);
    forms.insert(forms.end(), kCrossReferences, Form::CrossReference);
    forms.insert(forms.end(), kWordEntries, Form::Word);
    prng.Shuffle(forms);
    return forms;
}

std::vector<int> ShuffledRootLengths(Prng& prng)
{
    std::vector<int> lengths;
    for (int bytes = 1; bytes <= 7; ++bytes)
        lengths.insert(lengths.end(), kRootsOfLength[bytes - 1], bytes);
    prng.Shuffle(lengths);
    return lengths;
}

// Continuation lines that follow entries of letter chapters, keyed by the
// entry's index: as in the embedded book, page-reference lines, a footnote
// between two rules, verses, notes and empty lines.
std::map<int, std::vector<Line>> Continuations(Prng& prng, BookLines& lines, int entries)
{
    std::vector<std::vector<Line>> groups;
    for (int i = 0; i < 6; ++i)
        groups.push_back({{lines.Text().PageReference(prng.Between(1, 900))}});
    std::string rule(static_cast<std::size_t>(prng.Between(20, 40)), '-');
    groups.push_back({{rule}, {"", prng.Between(60, 200)}, {rule}});
    for (int i = 0; i < 5; ++i)
        groups.push_back({{"", prng.Between(30, 70)}, {"", prng.Between(30, 70)}});
    for (int i = 0; i < 18; ++i)
        groups.push_back({{"", prng.Between(40, 200)}});
    for (int i = 0; i < 7; ++i)
        groups.push_back({{""}});

    std::map<int, std::vector<Line>> placed;
    for (std::vector<Line>& group : groups) {
        int entry = prng.Below(entries);
        while (placed.count(entry))
            entry = prng.Below(entries);
        placed[entry] = std::move(group);
    }
    return placed;
}

std::vector<Line> Body(Prng& prng, BookLines& lines)
{
    using arabic1256::kAlphabet;
    std::vector<Line> body;
    const std::string chapter(bookformat::kChapterLineStart);
    body.push_back({chapter + arabic1256::kPreface});
    body.push_back({std::string(bookformat::kEntryMarker) + arabic1256::kOpening + ' ', 0, true});
    for (int i = 1; i < kPrefaceParagraphs; ++i)
        body.push_back({lines.WordEntryHead(kAlphabet[static_cast<std::size_t>(prng.Below(28))]), 0, true});
    for (int i = 0; i < 5; ++i)
        body.push_back({"", prng.Between(300, 900)});

    std::vector<Form> forms = ShuffledForms(prng);
    std::vector<int> rootLengths = ShuffledRootLengths(prng);
    std::map<int, std::vector<Line>> continuations =
        Continuations(prng, lines, static_cast<int>(forms.size()));
    int introduced = prng.Between(1, 27);

    int entry = 0;
    int page = 1;
    for (std::size_t chapter = 0; chapter < kAlphabet.size(); ++chapter) {
        char letter = kAlphabet[chapter];
        body.push_back({lines.LetterChapter(letter, page)});
        if (chapter == 1 || static_cast<int>(chapter) == introduced)
            body.push_back({lines.LetterIntroduction(letter)});
        for (int i = 0; i < kChapterEntries[chapter]; ++i, ++entry) {
            switch (forms[static_cast<std::size_t>(entry)]) {
            case Form::Root:
                body.push_back({lines.RootEntryHead(letter, rootLengths.back()), 0, true});
                rootLengths.pop_back();
                break;
            case Form::CrossReference:
                body.push_back({lines.CrossReference(letter)});
                break;
            case Form::Word:
                body.push_back({lines.WordEntryHead(letter), 0, true});
                break;
            }
            auto following = continuations.find(entry);
            if (following != continuations.end())
                body.insert(body.end(), following->second.begin(), following->second.end());
        }
    }
    body.push_back({chapter + arabic1256::kClosing});
    return body;
}

// Gives every profiled line its length from the profile, then spreads what
// the book still lacks or has too much over the long lines, so that the book
// comes out at exactly kBookBytes.
void FitLengths(Prng& prng, std::vector<Line>& body, long fixedBytes)
{
    std::vector<Line*> profiled;
    for (Line& line : body)
        if (line.profiled)
            profiled.push_back(&line);
    std::vector<int> lengths = ProfileLengths(static_cast<int>(profiled.size()));
    prng.Shuffle(lengths);

    long total = fixedBytes;
    std::vector<Line*> longLines;
    for (std::size_t i = 0; i < profiled.size(); ++i) {
        Line& line = *profiled[i];
        line.proseBytes = std::max(1, lengths[i] - static_cast<int>(line.text.size()));
        if (lengths[i] > 255)
            longLines.push_back(&line);
    }
    for (const Line& line : body)
        total += static_cast<long>(line.text.size()) + line.proseBytes + 2;

    long missing = kBookBytes - total;
    int step = missing < 0 ? -1 : 1;
    for (long i = 0; i < std::labs(missing); ++i)
        longLines[static_cast<std::size_t>(i) % longLines.size()]->proseBytes += step;
}

}  // namespace

std::string GenerateSyntheticBook()
{
    Prng prng(kSeed);
    BookLines lines(prng);
    std::vector<std::string> header = lines.Header();
    std::vector<Line> body = Body(prng, lines);
    std::string endLine = lines.EndLine();

    long fixedBytes = static_cast<long>(endLine.size()) + 2;
    for (const std::string& line : header)
        fixedBytes += static_cast<long>(line.size()) + 2;
    FitLengths(prng, body, fixedBytes);

    std::string book;
    book.reserve(static_cast<std::size_t>(kBookBytes) + 1);
    auto add = [&](const std::string& line) {
        book += line;
        book += bookformat::kLineEnd;
    };
    for (const std::string& line : header)
        add(line);
    for (const Line& line : body)
        add(line.text + lines.Text().Prose(line.proseBytes));
    add(endLine);
    return book;
}
