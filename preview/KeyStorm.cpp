// A key storm through the host's dialog loop: random keys typed into the demo slip, which has
// every kind of field (radio buttons and check boxes, the name in hiragana with its reading,
// numeric and string fields, pull-downs made from the master files and by the host, the partner
// list, a combo box, a list box, push buttons), romaji composed in the fields whose input method
// is open, until the events are done or the time is up. The heap in use is noted every thousand
// events; the storm fails when the second half's peak stands more than the slack above the first
// half's, as memory that grows with the keys would.
//
//     key_storm [EVENTS [SECONDS [SEED]]]    (200000 events, 600 seconds, seed 1)
#include "DemoSlip.h"
#include "HeapInUse.h"
#include "HostDialog.h"
#include "InputMethod.h"
#include "Keys.h"
#include "slip.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

// The fields' texts grow with what is typed, up to their limits: this much is not a leak.
constexpr size_t kSlack = 512 * 1024;
constexpr unsigned kCheckpoint = 1000;

const char kKeyPool[] = "Enter Escape Up Down Left Right Space Tab Shift+Tab Shift Backspace F1 F5 "
                        "F12 abcdefghijklmnopqrstuvwxyz 0123456789 . , -";

// The sample master files are installed beside the program.
std::string SampleMasters(const char* pszProgram) {
    const std::string program = pszProgram;
    const size_t nSlash = program.find_last_of('/');
    return (nSlash == std::string::npos ? std::string(".") : program.substr(0, nSlash)) +
           "/preview-masters";
}

unsigned long Argument(int argc, char** argv, int nIndex, unsigned long nDefault) {
    return argc > nIndex ? std::strtoul(argv[nIndex], nullptr, 10) : nDefault;
}

} // namespace

int main(int argc, char** argv) {
    const unsigned long nEvents = Argument(argc, argv, 1, 200000);
    const std::chrono::seconds timeLimit(Argument(argc, argv, 2, 600));
    std::mt19937 random(static_cast<unsigned>(Argument(argc, argv, 3, 1)));
    std::vector<Key> pool;
    std::string error;
    if (!ParseKeyScript(kKeyPool, &pool, &error) || test::HeapInUse() == 0) {
        std::fprintf(stderr, "key_storm: %s\n",
                     error.empty() ? "the heap in use cannot be told here" : error.c_str());
        return 2;
    }
    InitPeluDlgDLL();
    DemoSlip slip(SampleMasters(argv[0]));
    HostDialog host;
    InputMethod inputMethod;
    if (!host.Open(GetModuleHandleA(nullptr), IDD_SLIP, &slip, &error)) {
        std::fprintf(stderr, "key_storm: %s\n", error.c_str());
        return 2;
    }
    std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
    std::vector<size_t> heap;
    const auto start = std::chrono::steady_clock::now();
    unsigned long nDone = 0;
    for (; nDone < nEvents && std::chrono::steady_clock::now() - start < timeLimit; ++nDone) {
        const Key& key = pool[pick(random)];
        if (!inputMethod.TakeKey(key))
            PressOnKeyboard(key);
        host.Pump();
        host.TakeMessages();
        if ((nDone + 1) % kCheckpoint == 0)
            heap.push_back(test::HeapInUse());
    }
    const auto half = heap.begin() + static_cast<std::ptrdiff_t>(heap.size() / 2);
    const size_t nFirstPeak = half == heap.begin() ? 0 : *std::max_element(heap.begin(), half);
    const size_t nSecondPeak = half == heap.end() ? 0 : *std::max_element(half, heap.end());
    std::printf("%lu events; heap in use at its peak: %zu bytes in the first half, %zu in the "
                "second\n",
                nDone, nFirstPeak, nSecondPeak);
    if (heap.size() < 2 || nSecondPeak > nFirstPeak + kSlack) {
        std::fprintf(stderr, "key_storm: %s\n",
                     heap.size() < 2 ? "too few events to compare" : "memory grows with the keys");
        return 1;
    }
    return 0;
}
