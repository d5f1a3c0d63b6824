#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>

RatioReporter::RatioReporter(std::string baselineCase, std::vector<std::string> bounded, double target,
                             double limit)
    : m_baselineCase(std::move(baselineCase)), m_bounded(std::move(bounded)), m_target(target), m_limit(limit)
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        std::string name = run.benchmark_name();
        // CPU time: on a shared machine, real time also counts the waits for a core.
        double seconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        auto known = m_fastest.find(name);
        if (known == m_fastest.end()) {
            m_order.push_back(name);
            m_fastest[name] = seconds;
        } else {
            // Of repetitions, the fastest is the least disturbed by others on the machine.
            known->second = std::min(known->second, seconds);
        }
    }
}

void RatioReporter::PrintRatios(std::ostream& out) const
{
    out << "\nCPU time per call, and its ratio to " << m_baselineCase << " on the same book (target " << m_target
        << ", limit " << m_limit << "):\n";
    char line[160];
    for (const std::string& name : m_order) {
        std::size_t slash = name.find('/');
        if (slash == std::string::npos)
            continue;
        auto baseline = m_fastest.find(name.substr(0, slash + 1) + m_baselineCase);
        if (baseline == m_fastest.end())
            continue;
        double ratio = m_fastest.at(name) / baseline->second;
        const char* verdict = "";
        if (std::find(m_bounded.begin(), m_bounded.end(), name.substr(slash + 1)) != m_bounded.end())
            verdict = ratio <= m_target ? "within target" : ratio <= m_limit ? "over target" : "OVER LIMIT";
        std::snprintf(line, sizeof line, "  %-40s %10.1f us %7.2fx  %s\n", name.c_str(), m_fastest.at(name) * 1e6,
                      ratio, verdict);
        out << line;
    }
}
