#include "LatencyTable.h"

#include "Encoding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <set>

namespace {

std::string Ms(double milliseconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", milliseconds);
    return text;
}

std::string Ratio(double last, double first)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", first > 0 ? last / first : 0.0);
    return text;
}

std::string Letter(char byte)
{
    return WideToUtf8(ArabicAnsiToWide(std::string(1, byte)));
}

double Median(const std::vector<double>& values)
{
    return Quantile(values, 0.5);
}

double OneLetterMedian(const ProgramTimes& times, char letter)
{
    auto found = times.oneLetter.find(letter);
    return found == times.oneLetter.end() ? 0.0 : Median(found->second);
}

std::string OneLetterBytes(const ProgramTimes& times, char letter)
{
    auto found = times.oneLetterBytes.find(letter);
    return std::to_string(found == times.oneLetterBytes.end() ? 0 : found->second) + " bytes";
}

// The one-letter query whose median time is the longest.
char SlowestLetter(const ProgramTimes& times)
{
    char slowest = '\0';
    for (const auto& entry : times.oneLetter) {
        if (slowest == '\0' || OneLetterMedian(times, entry.first) > OneLetterMedian(times, slowest))
            slowest = entry.first;
    }
    return slowest;
}

void PrintRow(std::ostream& out, const std::string& name, const std::vector<ProgramTimes>& programs,
              const std::function<double(const ProgramTimes&)>& value,
              const std::function<std::string(const ProgramTimes&)>& note = nullptr)
{
    out << "| " << name;
    for (const ProgramTimes& times : programs)
        out << " | " << Ms(value(times)) << (note ? " " + note(times) : "");
    if (programs.size() > 1)
        out << " | " << Ratio(value(programs.back()), value(programs.front()));
    out << " |\n";
}

void PrintHeader(std::ostream& out, const std::string& first, const std::vector<ProgramTimes>& programs)
{
    out << "| " << first;
    for (const ProgramTimes& times : programs)
        out << " | " << times.label;
    out << (programs.size() > 1 ? " | " + programs.back().label + " / " + programs.front().label : "") << " |\n|---";
    for (std::size_t i = 0; i < programs.size() + (programs.size() > 1); ++i)
        out << "|---";
    out << "|\n";
}

}  // namespace

double Quantile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

void PrintLatencyTables(std::ostream& out, const std::vector<ProgramTimes>& programs)
{
    PrintHeader(out, "Keystroke", programs);
    PrintRow(out, "median, Arabic words", programs, [](const ProgramTimes& t) { return Median(t.keystrokes); });
    PrintRow(out, "95th percentile", programs, [](const ProgramTimes& t) { return Quantile(t.keystrokes, 0.95); });
    PrintRow(out, "maximum", programs, [](const ProgramTimes& t) { return Quantile(t.keystrokes, 1); });
    PrintRow(out, "median, English words", programs, [](const ProgramTimes& t) { return Median(t.englishKeystrokes); });
    PrintRow(
        out, "slowest one-letter query", programs,
        [](const ProgramTimes& t) { return OneLetterMedian(t, SlowestLetter(t)); },
        [](const ProgramTimes& t) { return "(" + Letter(SlowestLetter(t)) + ", " + OneLetterBytes(t, SlowestLetter(t)) + ")"; });

    std::set<char> letters;
    for (const ProgramTimes& times : programs) {
        for (const auto& entry : times.oneLetter)
            letters.insert(entry.first);
    }
    out << "\n";
    PrintHeader(out, "One letter", programs);
    for (char letter : letters) {
        PrintRow(
            out, Letter(letter), programs, [letter](const ProgramTimes& t) { return OneLetterMedian(t, letter); },
            [letter](const ProgramTimes& t) { return "(" + OneLetterBytes(t, letter) + ")"; });
    }
}
