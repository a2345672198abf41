// Benchmark of CConv's number parsing and comma formatting against the standard conversions.
#include "RatioReporter.h"

#include <CConv.h>

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What users type into amount fields: short and long amounts, with and without commas,
// negatives and decimals.
const char* const kEntryTexts[] = {
    "0",        "5",       "120",       "-45",        "980",           "1,000",     "12,345",
    "-3,500",   "1234567", "1,234,567", "-1,234,567", "2,147,483,647", "98.50",     "-12.75",
    "1,500.25", "300",     "45000",     "-7",         "100,000",       "8,888,888",
};

const LONG kLongValues[] = {0,        5,          120, -45,   980, 1000,   12345,   -3500, 1234567,
                            -1234567, 2147483647, 98,  45000, -7,  100000, 8888888, 300,   1500};

const double kDoubleValues[] = {0.0,      5.5,        120.25,     -45.5,        980.1, 1000.0,
                                12345.67, -3500.5,    1234567.89, -1234567.891, 98.5,  45000.75,
                                100000.0, 8888888.88, -7.25,      0.57,         300.0, 1500.25};

constexpr short kPlaces = 2;

template <typename T, size_t N>
constexpr int64_t CountOf(const T (&)[N]) {
    return static_cast<int64_t>(N);
}

std::vector<std::string_view> EntryViews() {
    return std::vector<std::string_view>(std::begin(kEntryTexts), std::end(kEntryTexts));
}

void ConvertLongCConv(benchmark::State& state) {
    CConv conv;
    for (auto _ : state) {
        for (const char* lpszText : kEntryTexts) {
            LONG nValue = 0;
            benchmark::DoNotOptimize(conv.Convert(lpszText, &nValue));
            benchmark::DoNotOptimize(nValue);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kEntryTexts));
}

void ConvertLongFromChars(benchmark::State& state) {
    const std::vector<std::string_view> texts = EntryViews();
    for (auto _ : state) {
        for (std::string_view text : texts) {
            LONG nValue = 0;
            benchmark::DoNotOptimize(
                std::from_chars(text.data(), text.data() + text.size(), nValue));
            benchmark::DoNotOptimize(nValue);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kEntryTexts));
}

void ConvertLongStrtol(benchmark::State& state) {
    for (auto _ : state) {
        for (const char* lpszText : kEntryTexts) {
            char* pEnd = nullptr;
            benchmark::DoNotOptimize(std::strtol(lpszText, &pEnd, 10));
            benchmark::DoNotOptimize(pEnd);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kEntryTexts));
}

void ConvertDoubleCConv(benchmark::State& state) {
    CConv conv;
    for (auto _ : state) {
        for (const char* lpszText : kEntryTexts) {
            double dValue = 0.0;
            benchmark::DoNotOptimize(conv.Convert(lpszText, &dValue, kPlaces));
            benchmark::DoNotOptimize(dValue);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kEntryTexts));
}

void ConvertDoubleFromChars(benchmark::State& state) {
    const std::vector<std::string_view> texts = EntryViews();
    for (auto _ : state) {
        for (std::string_view text : texts) {
            double dValue = 0.0;
            benchmark::DoNotOptimize(
                std::from_chars(text.data(), text.data() + text.size(), dValue));
            benchmark::DoNotOptimize(dValue);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kEntryTexts));
}

void ConvertDoubleStrtod(benchmark::State& state) {
    for (auto _ : state) {
        for (const char* lpszText : kEntryTexts) {
            char* pEnd = nullptr;
            benchmark::DoNotOptimize(std::strtod(lpszText, &pEnd));
            benchmark::DoNotOptimize(pEnd);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kEntryTexts));
}

void CommaStrLongCConv(benchmark::State& state) {
    CConv conv;
    char szBuf[32];
    for (auto _ : state) {
        for (LONG nValue : kLongValues) {
            conv.CommaStr(szBuf, nValue);
            benchmark::DoNotOptimize(szBuf);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kLongValues));
}

void CommaStrLongToChars(benchmark::State& state) {
    char szBuf[32];
    for (auto _ : state) {
        for (LONG nValue : kLongValues) {
            *std::to_chars(szBuf, szBuf + sizeof szBuf - 1, nValue).ptr = '\0';
            benchmark::DoNotOptimize(szBuf);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kLongValues));
}

void CommaStrLongSnprintf(benchmark::State& state) {
    char szBuf[32];
    for (auto _ : state) {
        for (LONG nValue : kLongValues) {
            std::snprintf(szBuf, sizeof szBuf, "%ld", static_cast<long>(nValue));
            benchmark::DoNotOptimize(szBuf);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kLongValues));
}

void CommaStrDoubleCConv(benchmark::State& state) {
    CConv conv;
    char szBuf[32];
    for (auto _ : state) {
        for (double dValue : kDoubleValues) {
            conv.CommaStr(szBuf, dValue, kPlaces);
            benchmark::DoNotOptimize(szBuf);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kDoubleValues));
}

void CommaStrDoubleToChars(benchmark::State& state) {
    char szBuf[32];
    for (auto _ : state) {
        for (double dValue : kDoubleValues) {
            *std::to_chars(szBuf, szBuf + sizeof szBuf - 1, dValue, std::chars_format::fixed,
                           kPlaces)
                 .ptr = '\0';
            benchmark::DoNotOptimize(szBuf);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kDoubleValues));
}

void CommaStrDoubleSnprintf(benchmark::State& state) {
    char szBuf[32];
    for (auto _ : state) {
        for (double dValue : kDoubleValues) {
            std::snprintf(szBuf, sizeof szBuf, "%.2f", dValue);
            benchmark::DoNotOptimize(szBuf);
        }
    }
    state.SetItemsProcessed(state.iterations() * CountOf(kDoubleValues));
}

const Comparison kComparisons[] = {
    {"Convert/long/CConv", "Convert/long/from_chars", 2.0},
    {"Convert/long/CConv", "Convert/long/strtol", 0.0},
    {"Convert/double/CConv", "Convert/double/from_chars", 0.0},
    {"Convert/double/CConv", "Convert/double/strtod", 0.0},
    {"CommaStr/long/CConv", "CommaStr/long/to_chars", 1.5},
    {"CommaStr/long/CConv", "CommaStr/long/snprintf", 0.0},
    {"CommaStr/double/CConv", "CommaStr/double/to_chars", 0.0},
    {"CommaStr/double/CConv", "CommaStr/double/snprintf", 1.0},
};

} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("Convert/long/CConv", ConvertLongCConv);
    benchmark::RegisterBenchmark("Convert/long/from_chars", ConvertLongFromChars);
    benchmark::RegisterBenchmark("Convert/long/strtol", ConvertLongStrtol);
    benchmark::RegisterBenchmark("Convert/double/CConv", ConvertDoubleCConv);
    benchmark::RegisterBenchmark("Convert/double/from_chars", ConvertDoubleFromChars);
    benchmark::RegisterBenchmark("Convert/double/strtod", ConvertDoubleStrtod);
    benchmark::RegisterBenchmark("CommaStr/long/CConv", CommaStrLongCConv);
    benchmark::RegisterBenchmark("CommaStr/long/to_chars", CommaStrLongToChars);
    benchmark::RegisterBenchmark("CommaStr/long/snprintf", CommaStrLongSnprintf);
    benchmark::RegisterBenchmark("CommaStr/double/CConv", CommaStrDoubleCConv);
    benchmark::RegisterBenchmark("CommaStr/double/to_chars", CommaStrDoubleToChars);
    benchmark::RegisterBenchmark("CommaStr/double/snprintf", CommaStrDoubleSnprintf);
    return RunAndCompare(argc, argv, {std::begin(kComparisons), std::end(kComparisons)}) ? 0 : 1;
}
