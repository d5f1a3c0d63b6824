#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

// The console report, plus a closing table that gives every case's time as a
// ratio to its book's baseline, measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Cases named BOOK/CASE compare with BOOK/<baselineCase>; the target
    // and the limit apply to the cases listed in bounded.
    RatioReporter(std::string baselineCase, std::vector<std::string> bounded, double target, double limit);

    void ReportRuns(const std::vector<Run>& runs) override;

    void PrintRatios(std::ostream& out) const;

private:
    std::string m_baselineCase;
    std::vector<std::string> m_bounded;
    double m_target;
    double m_limit;
    std::vector<std::string> m_order;
    std::map<std::string, double> m_fastest;  // CPU seconds per iteration, by name
};
