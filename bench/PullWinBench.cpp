// Benchmark of the pull-down account list on a real user32, as a Windows program (run under
// Wine): the 110,001 rows made into a shown drop-down combo box, then narrowed by a typed
// character (12,212 rows left) and by the next (1,232 left), each beside the bare loop that does
// the same window work in the same run: the combo box, holding the same rows before, emptied and
// given the same row texts with its redraw off, and repainted once.
#include "AccountList.h"
#include "Stopwatch.h"

#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

// A shown window with a combo box made as a template makes a pull-down combo box: a drop-down
// list of owner-drawn rows of one height that keep their texts, unsorted.
class ShownCombo {
public:
    ShownCombo() {
        const HINSTANCE hInstance = GetModuleHandleA(nullptr);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = hInstance;
        wc.lpszClassName = "PullBench";
        RegisterClassA(&wc);
        m_hwndParent =
            CreateWindowExA(0, wc.lpszClassName, "pull_win_bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        m_hwndCombo = CreateWindowExA(0, "COMBOBOX", "",
                                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST |
                                          CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                      10, 10, 300, 200, m_hwndParent, nullptr, hInstance, nullptr);
        Settle();
    }
    ~ShownCombo() { DestroyWindow(m_hwndParent); }
    ShownCombo(const ShownCombo&) = delete;
    ShownCombo& operator=(const ShownCombo&) = delete;

    HWND Combo() const { return m_hwndCombo; }
    // Whatever the window work left to do: its repaint.
    void Settle() const {
        UpdateWindow(m_hwndParent);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

private:
    HWND m_hwndParent;
    HWND m_hwndCombo;
};

// The bare loop.
void Fill(HWND hwndCombo, const std::vector<std::string>& rows) {
    SendMessageA(hwndCombo, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwndCombo, CB_RESETCONTENT, 0, 0);
    for (const std::string& row : rows)
        SendMessageA(hwndCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    SendMessageA(hwndCombo, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwndCombo, nullptr, TRUE);
}

// The typed text of each list: none, a first character and the next.
const char* const kTyped[] = {"", "1", "12"};

const Comparison kComparisons[] = {
    {"LoadAccountList", "BareLoopAllRows", 1.3},
    {"TypeFirstCharacter", "BareLoopFirstRows", 1.3},
    {"TypeNextCharacter", "BareLoopNextRows", 1.3},
};

} // namespace

int main(int argc, char** argv) {
    Stopwatch stopwatch(argc, argv, 6);
    if (!stopwatch.ArgumentsUnderstood())
        return kCannotRun;
    const ShownCombo window;
    AccountList list(window.Combo());
    // The rows of each list, for the bare loops.
    std::vector<std::vector<std::string>> rows;
    list.Load();
    for (const char* pszTyped : kTyped) {
        list.Type(pszTyped);
        rows.push_back(list.RowTexts());
    }
    std::printf("Rows: %zu, after \"1\" %zu, after \"12\" %zu\n", rows[0].size(), rows[1].size(),
                rows[2].size());
    if (rows[2].empty()) {
        std::fprintf(stderr, "the combo box took no rows\n");
        return kCannotRun;
    }
    // A step from the list that before leaves to the one that after makes.
    const auto step = [&window](const char* lpszName, std::function<void()> before,
                                std::function<void()> after) {
        return TimedCase{lpszName,
                         [&window, before] {
                             before();
                             window.Settle();
                         },
                         [&window, after] {
                             after();
                             window.Settle();
                         }};
    };
    const auto typed = [&](size_t n) { return [&list, n] { list.Type(kTyped[n]); }; };
    const auto bare = [&](size_t n) {
        return [&window, &rows, n] { Fill(window.Combo(), rows[n]); };
    };
    stopwatch.MeasureInTurn({step("LoadAccountList", typed(0), [&list] { list.Load(); }),
                             step("BareLoopAllRows", bare(0), bare(0))});
    stopwatch.MeasureInTurn({step("TypeFirstCharacter", typed(0), typed(1)),
                             step("BareLoopFirstRows", bare(0), bare(1))});
    stopwatch.MeasureInTurn({step("TypeNextCharacter", typed(1), typed(2)),
                             step("BareLoopNextRows", bare(1), bare(2))});
    return stopwatch.PrintRatios({std::begin(kComparisons), std::end(kComparisons)}) ? 0 : 1;
}
