// The timing harness of the benchmarks built as Windows programs.
#include "Stopwatch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMinPasses = 3;
constexpr char kSecondsArgument[] = "--seconds=";

} // namespace

Stopwatch::Stopwatch(int argc, char** argv, int nCases) {
    double dSeconds = 10.0;
    for (int i = 1; i < argc; ++i) {
        char* pEnd = nullptr;
        if (std::strncmp(argv[i], kSecondsArgument, sizeof(kSecondsArgument) - 1) == 0)
            dSeconds = std::strtod(argv[i] + sizeof(kSecondsArgument) - 1, &pEnd);
        if (pEnd == nullptr || *pEnd != '\0' || dSeconds <= 0.0) {
            std::fprintf(stderr, "%s: unrecognized argument '%s'\n", argv[0], argv[i]);
            m_bUnderstood = false;
        }
    }
    m_dShare = dSeconds / std::max(nCases, 1);
}

void Stopwatch::MeasureInTurn(const std::vector<TimedCase>& cases) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                           m_dShare * static_cast<double>(cases.size())));
    std::vector<double> fastest(cases.size());
    int nPasses = 0;
    for (; nPasses < kMinPasses || Clock::now() < end; ++nPasses) {
        for (size_t i = 0; i < cases.size(); ++i) {
            cases[i].prepare();
            const Clock::time_point start = Clock::now();
            cases[i].run();
            const double dPass = std::chrono::duration<double>(Clock::now() - start).count();
            fastest[i] = nPasses == 0 ? dPass : std::min(fastest[i], dPass);
        }
    }
    std::printf("\n%-28s %12s %8s\n", "Case", "Fastest", "Passes");
    for (size_t i = 0; i < cases.size(); ++i) {
        m_fastest[cases[i].strName] = fastest[i];
        std::printf("%-28s %9.3f ms %8d\n", cases[i].strName.c_str(), fastest[i] * 1000, nPasses);
    }
    std::fflush(stdout);
}

double Stopwatch::Seconds(const char* lpszName) const {
    const auto it = m_fastest.find(lpszName);
    return it != m_fastest.end() ? it->second : 0.0;
}

bool Stopwatch::PrintRatios(const std::vector<Comparison>& comparisons) const {
    return ::PrintRatios(comparisons, [this](const char* lpszName) { return Seconds(lpszName); });
}
