// Benchmark of the controller's Init on dialogs of 3,000 and 30,000 edit fields: the time must
// grow with the item count, not with its square.
#include "EditTemplate.h"
#include "RatioReporter.h"

#include <CDlgSb.h>
#include <headless_test.h>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <iterator>
#include <vector>

namespace {

// A plain CDlgSb has no virtual destructor; the host deletes it through the object that holds it.
struct Controller {
    CDlgSb sb;
};

// The template made at run time as a resource of the program, and the dialog made from it.
HWND MakeDialog(HEADLESS_TEST& headless, UINT nItems) {
    const std::vector<BYTE> tmpl = test::EditTemplate(nItems);
    headless.SetResource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(nItems), tmpl.data(),
                         static_cast<DWORD>(tmpl.size()));
    return CreateDialogParamA(nullptr, MAKEINTRESOURCEA(nItems), nullptr, nullptr, 0);
}

void Init(benchmark::State& state, HWND hDlg, UINT nItems) {
    for (auto _ : state) {
        state.PauseTiming();
        Controller* pController = new Controller;
        state.ResumeTiming();
        if (pController->sb.Init(CWnd::FromHandle(hDlg), nItems, 0, 0, 0, 0, 0) != 1)
            state.SkipWithError("Init failed");
        state.PauseTiming();
        // The controls stay for the next Init: each object lets go of its control first, as
        // the controller's objects would otherwise take their controls with them.
        for (UINT i = 0; i < pController->sb.m_nCount; ++i)
            pController->sb.m_ppSub[i]->UnsubclassWindow();
        delete pController;
        state.ResumeTiming();
    }
    state.counters["items"] = nItems;
}

const Comparison kComparisons[] = {{"Init30000", "Init3000", 10.0}};

} // namespace

int main(int argc, char** argv) {
    // A Win32 process heap keeps blocks of this size and the memory freed between iterations.
    // glibc maps the 30,000-item tables afresh and gives the freed heap top back, so that each
    // Init would pay for page faults, by how much depending on what ran before.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    HEADLESS_TEST* pHeadless = reinterpret_cast<HEADLESS_TEST*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), HEADLESS_TEST_EXPORT));
    if (pHeadless == nullptr) {
        std::fprintf(stderr,
                     "the templates are made through the headless system's test interface\n");
        return 1;
    }
    const HWND hSmall = MakeDialog(*pHeadless, 3000);
    const HWND hLarge = MakeDialog(*pHeadless, 30000);
    benchmark::RegisterBenchmark("Init3000", Init, hSmall, 3000u)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Init30000", Init, hLarge, 30000u)->Unit(benchmark::kMillisecond);
    const bool bAllMet =
        RunAndCompare(argc, argv, {std::begin(kComparisons), std::end(kComparisons)});
    DestroyWindow(hSmall);
    DestroyWindow(hLarge);
    return bAllMet ? 0 : 1;
}
