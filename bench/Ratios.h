// The ratios of measured times to references measured in the same run, as every benchmark
// program prints them.
#pragma once

#include <functional>
#include <vector>

struct Comparison {
    const char* lpszMeasured;
    const char* lpszReference;
    double dTarget; // the largest acceptable ratio; 1.0 means below 1, 0 none
};

// Prints measured time / reference time for each comparison whose two times are known (seconds
// answers 0 for a measure that did not run); false if a target is missed.
bool PrintRatios(const std::vector<Comparison>& comparisons,
                 const std::function<double(const char*)>& seconds);
