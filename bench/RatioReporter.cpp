// The console report of a benchmark program, and the ratios of measured times to references.
#include "RatioReporter.h"

#include <utility>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        const bool bMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.error_occurred || (run.run_type != Run::RT_Iteration && !bMedian))
            continue;
        const std::string strName = run.run_name.function_name;
        const double dSeconds =
            run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const auto it = m_fastest.find(strName);
        if (it == m_fastest.end() || dSeconds < it->second)
            m_fastest[strName] = dSeconds;
    }
    ConsoleReporter::ReportRuns(runs);
}

bool RatioReporter::PrintRatios() const {
    return ::PrintRatios(m_comparisons, [this](const char* lpszName) { return Seconds(lpszName); });
}

double RatioReporter::Seconds(const char* lpszName) const {
    const auto it = m_fastest.find(lpszName);
    return it != m_fastest.end() ? it->second : 0.0;
}

bool RunAndCompare(int argc, char** argv, std::vector<Comparison> comparisons) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return false;
    RatioReporter reporter(std::move(comparisons));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool bAllMet = reporter.PrintRatios();
    benchmark::Shutdown();
    return bAllMet;
}
