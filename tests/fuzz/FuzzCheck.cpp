// Arbitrary bytes as a book file: reads it as kalimor-query reads --book,
// runs its check, and aborts when something that must hold on any book does
// not. Inputs up to 64 KB (scripts/fuzz.sh sets the limit).
#include "BookFigures.h"
#include "BookFormat.h"
#include "BookRules.h"
#include "CheckReport.h"
#include "ToolFiles.h"

#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

using namespace bookformat;

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The bytes, read back through a file of their own, as the companion reads a book.
std::string ReadAsBookFile(std::string_view bytes)
{
    int fd = memfd_create("book", 0);
    Require(fd >= 0 && write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()),
            "the fuzzer writes its book file");
    FileContent file = ReadRegularFile("/proc/self/fd/" + std::to_string(fd), kLargestBook);
    close(fd);
    Require(file.ok && file.bytes == bytes, "a regular file is read whole and unchanged");
    return file.bytes;
}

int RuleIndex(const std::string& name)
{
    for (int rule = 0; rule < kRuleCount; ++rule)
        if (name == RuleName(static_cast<Rule>(rule)))
            return rule;
    Require(false, "every line names a rule");
    return 0;
}

// Holds the report's lines against each other and against the book's figures.
void CheckReportLines(std::istream& report, int status, const BookFigures& figures)
{
    std::array<std::size_t, kRuleCount> shown{}, more{};
    std::string line;
    // "line 12: rule 1: ...", but not "line ends: and 3 more".
    while (std::getline(report, line) && line.rfind("line ", 0) == 0 &&
           std::isdigit(static_cast<unsigned char>(line[5]))) {
        std::size_t number = std::stoul(line.substr(5));
        Require(number >= 1 && number <= figures.lines + 1, "a violation's line lies in the book");
        std::size_t nameStart = line.find(": ") + 2;
        ++shown[static_cast<std::size_t>(RuleIndex(line.substr(nameStart, line.find(": ", nameStart) - nameStart)))];
    }
    std::size_t total = 0;
    for (; line.find(": and ") != std::string::npos; std::getline(report, line)) {
        std::size_t rule = static_cast<std::size_t>(RuleIndex(line.substr(0, line.find(": and "))));
        more[rule] = std::stoul(line.substr(line.find(": and ") + 6));
        Require(more[rule] > 0 && shown[rule] == kShownPerRule, "only a rule with all its lines shown has more");
    }
    for (std::size_t rule = 0; rule < shown.size(); ++rule) {
        Require(shown[rule] <= kShownPerRule, "no rule shows more than its share of lines");
        total += shown[rule] + more[rule];
    }
    Require((status == 0) == (total == 0), "the exit status tells whether a rule is broken");
    Require(line == (total == 0 ? "Every rule holds."
                                : std::to_string(total) + (total == 1 ? " violation." : " violations.")),
            "the verdict counts every violation");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string book = ReadAsBookFile(std::string_view(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    int status = ReportCheck(book, out);
    BookFigures figures = MeasureBook(book);
    std::istringstream report(out.str());
    CheckReportLines(report, status, figures);

    // What the rules are for: on a book that keeps them, the walk meets every entry line and nothing else.
    if (status == 0)
        Require(figures.entriesWalked == figures.formAEntryLines + figures.formBEntryLines,
                "a book that keeps every rule is walked entry line by entry line");
    return 0;
}
