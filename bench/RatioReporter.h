// The console report of a benchmark program, and the ratios of measured times to references
// measured in the same run.
#pragma once

#include "Ratios.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Keeps the fastest CPU time per pass of every benchmark (the least disturbed by other load
// when repetitions are asked for), or its median when only aggregates are reported, while the
// console shows the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Comparison> comparisons)
        : m_comparisons(std::move(comparisons)) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    // Prints measured time / reference time for each comparison; false if a target is missed.
    bool PrintRatios() const;
    // The fastest CPU time of a pass of the benchmark, in seconds; 0 if it did not run.
    double Seconds(const char* lpszName) const;

private:
    std::vector<Comparison> m_comparisons;
    std::map<std::string, double> m_fastest; // seconds
};

// Runs the registered benchmarks with the program's arguments and prints the comparisons' ratios;
// false when an argument is not understood or a target is missed.
bool RunAndCompare(int argc, char** argv, std::vector<Comparison> comparisons);
