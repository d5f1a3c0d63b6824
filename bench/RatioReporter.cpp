#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>

RatioReporter::RatioReporter(std::string baselineCase, std::vector<std::string> bounded,
                             std::map<std::string, double> targets, double limit)
    : m_baselineCase(std::move(baselineCase)),
      m_bounded(std::move(bounded)),
      m_targets(std::move(targets)),
      m_limit(limit)
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
    out << "\nCPU time per call, and its ratio to " << m_baselineCase << " on the same book (target";
    for (const auto& [book, target] : m_targets)
        out << ' ' << target << " on " << book << ',';
    out << " limit " << m_limit << "):\n";
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
        auto target = m_targets.find(name.substr(0, slash));
        if (target != m_targets.end() &&
            std::find(m_bounded.begin(), m_bounded.end(), name.substr(slash + 1)) != m_bounded.end())
            verdict = ratio <= target->second ? "within target" : ratio <= m_limit ? "over target" : "OVER LIMIT";
        std::snprintf(line, sizeof line, "  %-40s %10.1f us %7.2fx  %s\n", name.c_str(), m_fastest.at(name) * 1e6,
                      ratio, verdict);
        out << line;
    }
}

void RatioReporter::PrintTimePerMegabyte(std::ostream& out, const std::map<std::string, std::size_t>& textBytes) const
{
    out << "\nCPU time per call and per megabyte (10^6 bytes) of text:\n";
    char line[160];
    for (const std::string& name : m_order) {
        auto bytes = textBytes.find(name);
        if (bytes == textBytes.end())
            continue;
        double megabytes = static_cast<double>(bytes->second) / 1e6;
        double seconds = m_fastest.at(name);
        std::snprintf(line, sizeof line, "  %-50s %6.1f MB %10.2f ms %8.3f ms/MB\n", name.c_str(), megabytes,
                      seconds * 1e3, seconds * 1e3 / megabytes);
        out << line;
    }
}
