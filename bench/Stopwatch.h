// The timing harness of the benchmarks built as Windows programs, for which Google Benchmark is
// not built: a measure and its reference run in turn, a pass of each at a time, so that the
// machine's load falls alike on both, for their share of the program's time; the fastest pass of
// each counts, the least disturbed by that load. Passes are timed on the wall clock, as a real
// window system does part of the work outside the process (Wine's server).
#pragma once

#include "Ratios.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// The exit status of a program that could not measure (1 says a target was missed).
constexpr int kCannotRun = 2;

struct TimedCase {
    std::string strName;
    std::function<void()> prepare; // untimed, before each pass
    std::function<void()> run;
};

class Stopwatch {
public:
    // The arguments: --seconds=N, the time that the program's nCases cases share (10 by
    // default).
    Stopwatch(int argc, char** argv, int nCases);
    bool ArgumentsUnderstood() const { return m_bUnderstood; }

    // Runs the cases in turn for their share of the time, at least three passes each; prints the
    // fastest pass of each.
    void MeasureInTurn(const std::vector<TimedCase>& cases);
    // The fastest pass of the case in seconds; 0 if it did not run.
    double Seconds(const char* lpszName) const;
    // PrintRatios with the times measured here.
    bool PrintRatios(const std::vector<Comparison>& comparisons) const;

private:
    double m_dShare = 0.0; // seconds a case
    bool m_bUnderstood = true;
    std::map<std::string, double> m_fastest;
};
