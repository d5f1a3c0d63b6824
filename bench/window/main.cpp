// kalimor-latency [--rounds N] LABEL PROGRAM.exe BOOK.txt [LABEL PROGRAM.exe BOOK.txt...]
// Keystroke latency in the real window, for programs that carry different
// books, measured in one run. Each round starts each program afresh, types
// every word of a fixed Arabic list and of a fixed English list letter by
// letter, then every one-letter query that begins a headword of any of the
// books and each of a to z, and times each keystroke until the change rule
// has finished and the result box holds the book's answer.
// Prints Markdown tables of the times; exits 1 on a wrong answer.
#include "BookAnswers.h"
#include "Encoding.h"
#include "KeystrokeClock.h"
#include "LatencyTable.h"

#include <cstdlib>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

// Everyday words, typed as people type them: no vowel marks.
const char* const kWords[] = {
    "كتاب", "بيت",  "ماء",  "شمس", "قمر",   "سلام", "حب",   "عمل",  "يوم",   "ولد",   "قلب",  "طريق",
    "مدينة", "جميل", "كبير", "صغير", "اكل",  "شرب",  "علم",  "حقد",  "سيارة", "نور",   "مدرسة", "الله",
};
// Everyday English words, in small letters as the book files them.
const char* const kEnglishWords[] = {
    "house", "water", "book", "school", "love", "city", "good", "work", "friend", "sun", "day", "road",
};
constexpr int kDefaultRounds = 3;

struct Program {
    std::string label;
    std::string path;
    BookAnswers answers;
};

bool IsArabicLetter(char byte)
{
    std::wstring wide = ArabicAnsiToWide(std::string(1, byte));
    return wide.size() == 1 && wide[0] >= 0x0621 && wide[0] <= 0x064A && wide[0] != 0x0640;
}

// a to z, and the Arabic letters that begin a headword of any of the books.
std::vector<char> OneLetterQueries(const std::vector<Program>& programs)
{
    std::set<char> letters;
    for (char letter = 'a'; letter <= 'z'; ++letter)
        letters.insert(letter);
    for (const Program& program : programs) {
        for (char initial : program.answers.Initials()) {
            if (IsArabicLetter(initial))
                letters.insert(initial);
        }
    }
    return std::vector<char>(letters.begin(), letters.end());
}

void TypeWord(KeystrokeClock& clock, BookAnswers& answers, const std::string& word, std::vector<double>* times)
{
    for (std::size_t length = 1; length <= word.size(); ++length) {
        std::string typed = word.substr(0, length);
        double ms = clock.Type(word[length - 1], typed, answers.ListingOf(typed));
        if (times)
            times->push_back(ms);
    }
    clock.Clear();
}

void MeasureRound(Program& program, const std::vector<std::string>& words, const std::vector<char>& letters,
                  ProgramTimes& times)
{
    KeystrokeClock clock(program.path);
    // The first keys after the start load fonts and lay the boxes out once: not counted.
    TypeWord(clock, program.answers, words.front(), nullptr);
    for (const std::string& word : words)
        TypeWord(clock, program.answers, word, &times.keystrokes);
    for (const char* word : kEnglishWords)
        TypeWord(clock, program.answers, word, &times.englishKeystrokes);
    for (char letter : letters) {
        const std::string& listing = program.answers.ListingOf(std::string(1, letter));
        times.oneLetter[letter].push_back(clock.Type(letter, std::string(1, letter), listing));
        times.oneLetterBytes[letter] = listing.size();
        clock.Clear();
    }
}

int Usage(const char* name)
{
    std::cerr << "usage: " << name << " [--rounds N] LABEL PROGRAM.exe BOOK.txt [LABEL PROGRAM.exe BOOK.txt...]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    int rounds = kDefaultRounds;
    if (args.size() >= 2 && args[0] == "--rounds") {
        rounds = std::atoi(args[1].c_str());
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty() || args.size() % 3 != 0 || rounds < 1)
        return Usage(argv[0]);

    try {
        std::vector<Program> programs;
        for (std::size_t i = 0; i < args.size(); i += 3)
            programs.push_back({args[i], args[i + 1], BookAnswers(args[i + 2])});
        std::vector<std::string> words;
        for (const char* word : kWords)
            words.push_back(Utf8ToArabicAnsi(word));
        const std::vector<char> letters = OneLetterQueries(programs);

        std::vector<ProgramTimes> times(programs.size());
        for (std::size_t i = 0; i < programs.size(); ++i)
            times[i].label = programs[i].label;
        // Rounds alternate between the programs, so that a busier moment of the machine falls on all of them.
        for (int round = 1; round <= rounds; ++round) {
            for (std::size_t i = 0; i < programs.size(); ++i) {
                std::cerr << "round " << round << " of " << rounds << ": " << programs[i].label << "\n";
                MeasureRound(programs[i], words, letters, times[i]);
            }
        }

        std::size_t keystrokes = times.front().keystrokes.size() / static_cast<std::size_t>(rounds);
        std::size_t englishKeystrokes = times.front().englishKeystrokes.size() / static_cast<std::size_t>(rounds);
        std::cout << rounds << " rounds; each round types " << words.size() << " Arabic words (" << keystrokes
                  << " keystrokes), " << std::size(kEnglishWords) << " English words (" << englishKeystrokes
                  << " keystrokes) and " << letters.size() << " one-letter queries in each program.\n\n";
        PrintLatencyTables(std::cout, times);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "kalimor-latency: " << error.what() << "\n";
        return 1;
    }
}
