#pragma once

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The files of the lexicon: the stems grouped by lemma, the prefixes and
// suffixes, and the three tables of compatible categories. Their words are
// in Buckwalter's transliteration; comment lines begin with ";".
namespace lexicon {

// One line of a lexicon file: a prefix, a stem or a suffix.
struct Morpheme {
    int line = 0;
    std::string unvocalized;
    std::string vocalized;
    std::string category;
    std::string gloss;  // "write", "and;so"; without the part of speech
    std::string pos;    // what "<pos>...</pos>" holds, ">abojadiy~/ADJ"; empty when the line has none
};

// A lemma: its ";; ID" line and the stems under it.
struct Lemma {
    int line = 0;    // of its ID, or of its first stem where the ID line is missing
    std::string id;  // as the lexicon writes it: the vocalized citation form, "katab-u_1"; empty where missing
    std::vector<Morpheme> stems;
};

// A line that breaks the file's format, which the reader skips.
struct Problem {
    int line;
    std::string what;
};

struct StemFile {
    std::vector<Lemma> lemmas;
    std::vector<Problem> problems;
};

// A stem line before the first lemma line, or one without four tab-separated
// fields, is a problem. Where the stems under one ID change from a noun's to
// a verb's or back, the ID line of the second lemma is missing ("ra>aY"
// under "rAwanod_1", rhubarb): its stems make a lemma of their own, without an ID.
StemFile ReadStems(std::string_view text);

// The lines of a prefix or suffix file; one without four fields is a problem.
std::vector<Morpheme> ReadAffixes(std::string_view text, std::vector<Problem>& problems);

// Pairs of categories, one pair a line, separated by a space.
using CategoryPairs = std::set<std::pair<std::string, std::string>>;
CategoryPairs ReadTable(std::string_view text, std::vector<Problem>& problems);

}  // namespace lexicon
