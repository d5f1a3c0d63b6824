// kalimor-probe [--book FILE] [--misses] lemmas FILE | english FILE | headwords FILE | coverage FILE | text FILE:
// measures what a learner finds in a book. Each probe list is UTF-8, one
// record a line, "#" lines aside:
//   lemmas:    word, vocalized, part of speech, meanings ("|"), plural, imperfect (TAB-separated)
//   english:   word, its Arabic ("|"), TAB-separated
//   headwords: one word a line
//   coverage:  a frequency list, "form count" a line, most frequent first
//   text:      running text, whose Arabic words it counts and ranks itself
// coverage and text give the share of the running words of the forms ranked
// 1 to 5,000 and 5,001 to 20,000 that the book answers as they stand and
// with their proclitics taken off, as kalimor-query read answers them.
// A word leads to the entry that typing it shows (the one that the listing
// shows at once, or its own when it is listed), and through a reference on
// to the entry that the reference names first. --misses lists every word
// that fails a measure.
#include "Letters.h"
#include "BookFormat.h"
#include "BookStore.h"
#include "BookReader.h"
#include "EntryReading.h"
#include "FrequencyList.h"
#include "TextWords.h"
#include "ToolFiles.h"
#include "TypedWord.h"
#include "Utf8.h"
#include "Windows1256.h"

#include <algorithm>
#include <exception>
#include <iomanip>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: kalimor-probe [--book FILE] [--misses] lemmas FILE | english FILE | headwords FILE | coverage FILE | "
    "text FILE\n";

struct Probe {
    const char* book;
    bookformat::Windows1256 encoding;
    bool misses = false;
};

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> fields;
    for (std::size_t begin = 0;;) {
        std::size_t end = text.find(separator, begin);
        fields.emplace_back(text.substr(begin, end - begin));
        if (end == std::string_view::npos)
            return fields;
        begin = end + 1;
    }
}

// The records of a probe list: its lines but comments and empty ones, each split at TABs.
std::vector<std::vector<std::string>> Records(const std::string& text)
{
    std::vector<std::vector<std::string>> records;
    for (const std::string& line : Split(text, '\n')) {
        if (!line.empty() && line[0] != '#')
            records.push_back(Split(line, '\t'));
    }
    return records;
}

// The entry that typing the word leads to, through a reference to the first headword it names.
std::optional<std::string> Lead(const Probe& probe, const std::string& word)
{
    std::optional<std::string> entry = EntryTypedFor(probe.book, word);
    if (entry) {
        std::vector<std::string> referred = ReferredHeadwords(*entry);
        if (!referred.empty())
            return EntryTypedFor(probe.book, referred.front());
    }
    return entry;
}

void Miss(const Probe& probe, const std::string& what, const std::string& word)
{
    if (probe.misses)
        std::cout << "  miss (" << what << "): " << word << '\n';
}

std::string Figure(int count, int of)
{
    return std::to_string(count) + " of " + std::to_string(of);
}

int Lemmas(Probe& probe, const std::string& text)
{
    int records = 0, found = 0, firstThree = 0, nouns = 0, plurals = 0, verbs = 0, imperfects = 0, vowels = 0;
    for (const std::vector<std::string>& record : Records(text)) {
        if (record.size() != 6)
            throw std::runtime_error("a lemma record of " + std::to_string(record.size()) + " fields, not 6");
        ++records;
        const std::string& utf8 = record[0];
        std::string word = probe.encoding.FromOwnText(utf8);
        std::optional<std::string> entry = Lead(probe, word);
        std::vector<std::string> glosses = entry ? probe::EnglishGlosses(*entry) : std::vector<std::string>();
        int right = -1;  // the index of the first gloss that holds a right meaning
        for (std::size_t i = 0; i < glosses.size() && right < 0; ++i) {
            for (const std::string& meaning : Split(record[3], '|')) {
                if (probe::GlossHolds(glosses[i], meaning))
                    right = static_cast<int>(i);
            }
        }
        right >= 0 ? ++found : (Miss(probe, "meaning", utf8), 0);
        right >= 0 && right < 3 ? ++firstThree : (Miss(probe, "first three", utf8), 0);
        if (!record[4].empty()) {
            ++nouns;
            entry && probe::NamesArabic(*entry, probe.encoding.FromOwnText(record[4])) ? ++plurals
                                                                                         : (Miss(probe, "plural", utf8), 0);
        }
        if (!record[5].empty()) {
            ++verbs;
            entry && probe::NamesArabic(*entry, probe.encoding.FromOwnText(record[5]))
                ? ++imperfects
                : (Miss(probe, "imperfect", utf8), 0);
        }
        bool vocalized = false;
        for (const std::string& written : entry ? probe::ArabicWords(*entry) : std::vector<std::string>())
            vocalized |= written != word && bookformat::Unmarked(written) == word;
        vocalized ? ++vowels : (Miss(probe, "vowels", utf8), 0);
    }
    std::cout << "lemmas: " << records << '\n'
              << "  lead to an entry that names a right meaning: " << Figure(found, records) << '\n'
              << "  with it among the entry's first three English glosses: " << Figure(firstThree, records) << '\n'
              << "  nouns whose entry names their broken plural: " << Figure(plurals, nouns) << '\n'
              << "  verbs whose entry names their imperfect: " << Figure(imperfects, verbs) << '\n'
              << "  entries that write the lemma with its vowels: " << Figure(vowels, records) << '\n';
    return 0;
}

int English(Probe& probe, const std::string& text)
{
    int records = 0, found = 0;
    for (const std::vector<std::string>& record : Records(text)) {
        if (record.size() != 2)
            throw std::runtime_error("an English record of " + std::to_string(record.size()) + " fields, not 2");
        ++records;
        std::optional<std::string> entry = Lead(probe, record[0]);
        bool named = false;
        for (const std::string& arabic : Split(record[1], '|'))
            named |= entry && probe::NamesArabic(*entry, probe.encoding.FromOwnText(arabic));
        named ? ++found : (Miss(probe, "Arabic", record[0]), 0);
    }
    std::cout << "English words: " << records << '\n'
              << "  lead to an entry that names a right Arabic word: " << Figure(found, records) << '\n';
    return 0;
}

int Headwords(Probe& probe, const std::string& text)
{
    int records = 0, found = 0;
    for (const std::vector<std::string>& record : Records(text)) {
        ++records;
        EntryTypedFor(probe.book, probe.encoding.FromOwnText(record[0])) ? ++found : (Miss(probe, "headword", record[0]), 0);
    }
    std::cout << "words: " << records << '\n' << "  lead to an entry: " << Figure(found, records) << '\n';
    return 0;
}

struct FormCount {
    std::string form;  // UTF-8
    long long count;
};

// Whether the text holds a letter of the Arabic alphabet, hamza to yeh: a
// word, not punctuation such as the Arabic comma.
bool HasArabicLetter(const std::string& utf8)
{
    for (std::size_t at = 0; at < utf8.size();) {
        std::optional<bookformat::Utf8Character> character = bookformat::DecodeUtf8At(utf8, at);
        if (!character)
            return false;
        if (character->codePoint >= 0x0621 && character->codePoint <= 0x064A)
            return true;
        at += character->length;
    }
    return false;
}

std::string Percent(long long part, long long whole)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << (whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole))
         << "%";
    return text.str();
}

// The share of the running words that the forms of each rank bracket make up
// which the book answers as they stand, and with the proclitics taken off.
int Coverage(const Probe& probe, const std::vector<FormCount>& ranked)
{
    BookReader reader(probe.book);
    struct Bracket {
        std::size_t first, last;  // ranks, from 1
    };
    for (const Bracket& bracket : {Bracket{1, 5000}, Bracket{5001, 20000}}) {
        long long words = 0, asTheyStand = 0, withoutProclitics = 0;
        std::size_t forms = 0;
        for (std::size_t rank = bracket.first; rank <= bracket.last && rank <= ranked.size(); ++rank) {
            const FormCount& form = ranked[rank - 1];
            BookReader::Found found = reader.AnswerFor(form.form).found;
            ++forms;
            words += form.count;
            asTheyStand += found == BookReader::Found::AsItStands ? form.count : 0;
            withoutProclitics += found != BookReader::Found::NotInBook ? form.count : 0;
            if (found == BookReader::Found::NotInBook)
                Miss(probe, "rank " + std::to_string(rank), form.form);
        }
        std::cout << "forms ranked " << bracket.first << " to " << bracket.last << ": " << forms << " forms, " << words
                  << " running words\n"
                  << "  answered as they stand: " << Percent(asTheyStand, words) << "\n"
                  << "  answered with the proclitics taken off: " << Percent(withoutProclitics, words) << "\n";
    }
    return 0;
}

// The list's forms with an Arabic letter, most frequent first.
int ListCoverage(const Probe& probe, const std::string& text)
{
    ranking::FrequencyList list = ranking::ReadFrequencyList(text);
    if (!list.malformedLines.empty())
        throw std::runtime_error("line " + std::to_string(list.malformedLines.front()) + " is not \"form count\"");
    std::vector<FormCount> ranked;
    for (const ranking::FormCount& form : list.forms) {
        if (HasArabicLetter(form.form))
            ranked.push_back({form.form, form.count});
    }
    std::cout << "frequency list: " << ranked.size() << " forms with an Arabic letter, "
              << list.forms.size() - ranked.size() << " without left out\n";
    return Coverage(probe, ranked);
}

// The text's Arabic words, counted as they stand, most frequent first.
int TextCoverage(const Probe& probe, const std::string& text)
{
    std::map<std::string, long long> counts;
    TextWords words;
    auto take = [&](const std::string& word) {
        if (HasArabicLetter(word))
            ++counts[word];
    };
    for (const std::string& line : Split(text, '\n')) {
        if (!line.empty() && line[0] == '#')
            continue;
        if (!words.Feed(line + "\n", take))
            throw std::runtime_error("the text is not UTF-8 at byte " + std::to_string(words.BadOffset()));
    }
    words.Finish(take);
    std::vector<FormCount> ranked;
    for (const auto& [form, count] : counts)
        ranked.push_back({form, count});
    std::stable_sort(ranked.begin(), ranked.end(), [](const FormCount& a, const FormCount& b) { return a.count > b.count; });
    long long running = 0;
    for (const FormCount& form : ranked)
        running += form.count;
    std::cout << "text: " << running << " Arabic words, " << ranked.size() << " forms\n";
    return Coverage(probe, ranked);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        std::vector<std::string> args(argv + 1, argv + argc);
        Probe probe{BookStore::GetStart(), {}};
        bookformat::FileContent book;
        std::size_t i = 0;
        for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
            if (args[i] == "--misses") {
                probe.misses = true;
            } else if (args[i] == "--book" && i + 1 < args.size()) {
                book = bookformat::ReadRegularFile(args[++i], bookformat::kLargestBook);
                if (!book.ok)
                    throw std::runtime_error(book.error);
                probe.book = book.bytes.c_str();
            } else {
                std::cerr << kUsage;
                return 2;
            }
        }
        if (args.size() != i + 2) {
            std::cerr << kUsage;
            return 2;
        }
        bookformat::FileContent list = bookformat::ReadRegularFile(args[i + 1], 1 << 24);
        if (!list.ok)
            throw std::runtime_error(list.error);
        if (args[i] == "lemmas")
            return Lemmas(probe, list.bytes);
        if (args[i] == "english")
            return English(probe, list.bytes);
        if (args[i] == "headwords")
            return Headwords(probe, list.bytes);
        if (args[i] == "coverage")
            return ListCoverage(probe, list.bytes);
        if (args[i] == "text")
            return TextCoverage(probe, list.bytes);
        std::cerr << kUsage;
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "kalimor-probe: " << bookformat::Printable(error.what()) << '\n';
        return 1;
    }
}
