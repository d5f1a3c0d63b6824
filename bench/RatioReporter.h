#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// The console report, plus closing tables: every case's time as a ratio to
// its book's baseline, measured in the same run, and time per megabyte.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Cases named BOOK/CASE compare with BOOK/<baselineCase>; the cases listed
    // in bounded have the target of their book, and a limit for every book.
    RatioReporter(std::string baselineCase, std::vector<std::string> bounded, std::map<std::string, double> targets,
                  double limit);

    void ReportRuns(const std::vector<Run>& runs) override;

    void PrintRatios(std::ostream& out) const;

    // The cases named here, with the size of their text in bytes: time per call and per megabyte.
    void PrintTimePerMegabyte(std::ostream& out, const std::map<std::string, std::size_t>& textBytes) const;

private:
    std::string m_baselineCase;
    std::vector<std::string> m_bounded;
    std::map<std::string, double> m_targets;  // by book
    double m_limit;
    std::vector<std::string> m_order;
    std::map<std::string, double> m_fastest;  // CPU seconds per iteration, by name
};
