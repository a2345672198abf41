// The ratios of measured times to references measured in the same run.
#include "Ratios.h"

#include <cstdio>

bool PrintRatios(const std::vector<Comparison>& comparisons,
                 const std::function<double(const char*)>& seconds) {
    bool bAllMet = true;
    std::printf("\nRatios (measured time / reference time, lower is faster):\n");
    for (const Comparison& c : comparisons) {
        const double dMeasured = seconds(c.lpszMeasured);
        const double dReference = seconds(c.lpszReference);
        if (dMeasured == 0.0 || dReference == 0.0)
            continue;
        const double dRatio = dMeasured / dReference;
        std::printf("  %-26s / %-27s %8.3f", c.lpszMeasured, c.lpszReference, dRatio);
        if (c.dTarget > 0.0) {
            const bool bMet = c.dTarget == 1.0 ? dRatio < 1.0 : dRatio <= c.dTarget;
            std::printf("  (target %s %.1f: %s)", c.dTarget == 1.0 ? "below" : "at most", c.dTarget,
                        bMet ? "met" : "MISSED");
            bAllMet = bAllMet && bMet;
        }
        std::printf("\n");
    }
    return bAllMet;
}
