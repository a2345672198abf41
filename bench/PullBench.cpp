// Benchmark of the pull-down account list: 10,000 accounts, every other one with 20
// sub-accounts (100,000 in all), loaded from their master files into a combo box and narrowed
// by a typed character, beside plain work on the same data measured in the same run.
#include "AccountList.h"
#include "AccountMasters.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The list in a hidden combo box.
AccountList& List() {
    static const HWND hwndParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300,
                                                   nullptr, nullptr, nullptr, nullptr);
    static AccountList list(CreateWindowExA(
        0, "COMBOBOX", "", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0, 0, 200,
        200, hwndParent, nullptr, nullptr, nullptr));
    return list;
}

void LoadAccountList(benchmark::State& state) {
    for (auto _ : state)
        List().Load();
    state.counters["rows"] = List().Rows();
}

// Every byte of the files read, and their lines counted.
void PlainRead(benchmark::State& state) {
    std::vector<char> buffer(1 << 16);
    for (auto _ : state) {
        size_t nLines = 0;
        for (const char* pszName : AccountList::kFiles) {
            FILE* pFile = std::fopen((List().Folder() + pszName).c_str(), "rb");
            for (size_t cb; (cb = std::fread(buffer.data(), 1, buffer.size(), pFile)) != 0;)
                nLines += static_cast<size_t>(std::count(buffer.data(), buffer.data() + cb, '\n'));
            std::fclose(pFile);
        }
        benchmark::DoNotOptimize(nLines);
    }
}

// What the combo box itself takes for the list: emptied, and given the same rows ready made.
void FillComboBox(benchmark::State& state) {
    List().Load();
    const std::vector<std::string> rows = List().RowTexts();
    CComboBox& combo = List().Combo();
    for (auto _ : state) {
        combo.ResetContent();
        for (const std::string& row : rows)
            combo.AddString(row.c_str());
    }
}

// The records alone, read as the reader once read them: m_hojo.csv from its start for every
// account with sub-accounts.
void ReopenPerAccount(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(test::LoadAccountsReopening(List().Folder()).size());
}

// A character typed into the list of pszBefore: a tenth of the rows stays.
void TypeCharacter(benchmark::State& state, const char* pszBefore, const char* pszAfter) {
    List().Load();
    for (auto _ : state) {
        state.PauseTiming();
        List().Type(pszBefore);
        state.ResumeTiming();
        List().Type(pszAfter);
    }
    state.counters["rows"] = List().Rows();
}

// The least a rebuild does: one look at every cached record.
void PassOverCache(benchmark::State& state) {
    List().Load();
    const CPullRead& store = List().Store();
    const ACCTREC* pRecords = static_cast<const ACCTREC*>(GlobalLock(store.m_hData));
    for (auto _ : state) {
        int nListed = 0;
        for (int i = 0; i < store.m_nData; ++i)
            nListed += pRecords[i].bUse == 1 && pRecords[i].wCode / 1000 == 1;
        benchmark::DoNotOptimize(nListed);
    }
    GlobalUnlock(store.m_hData);
}

const Comparison kComparisons[] = {
    // The store's work beside reading the files, and beside the combo box's own.
    {"LoadAccountList", "PlainRead", 2.0},
    {"LoadAccountList", "FillComboBox", 0.0},
    // How much longer reading m_hojo.csv afresh for every account takes.
    {"ReopenPerAccount", "LoadAccountList", 0.0},
    // A rebuild beside the least it could do.
    {"TypeFirstCharacter", "PassOverCache", 0.0},
    {"TypeNextCharacter", "PassOverCache", 0.0},
};

} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("LoadAccountList", LoadAccountList)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PlainRead", PlainRead)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FillComboBox", FillComboBox)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ReopenPerAccount", ReopenPerAccount)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("TypeFirstCharacter", TypeCharacter, "", "1")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("TypeNextCharacter", TypeCharacter, "1", "12")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PassOverCache", PassOverCache)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter({std::begin(kComparisons), std::end(kComparisons)});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool bAllMet = reporter.PrintRatios();
    // Typing must keep up with the user.
    for (const char* pszName : {"TypeFirstCharacter", "TypeNextCharacter"}) {
        const double dMs = reporter.Seconds(pszName) * 1000;
        if (dMs == 0.0)
            continue;
        const bool bMet = dMs < 1.0;
        std::printf("  %-26s %8.3f ms  (target below 1 ms: %s)\n", pszName, dMs,
                    bMet ? "met" : "MISSED");
        bAllMet = bAllMet && bMet;
    }
    benchmark::Shutdown();
    return bAllMet ? 0 : 1;
}
