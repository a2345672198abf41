// Benchmark of the controller's Init on a real user32, as a Windows program (run under Wine):
// dialogs of 300 and 3,000 edit fields, each Init beside the bare loop that does the same window
// work in the same run (each field found and subclassed, its input method closed, the focus given
// to the first field), and the larger beside the smaller. (Finding a field by its ID walks the
// dialog's children on a real user32, so the 30,000 fields of the headless benchmark would take
// minutes.)
#include "EditTemplate.h"
#include "Stopwatch.h"

#include <CDlgSb.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Init finds its template by ID in a module: the templates are written into a copy of this
// program with UpdateResource, and the copy is loaded as a data file.
class TemplateModule {
public:
    explicit TemplateModule(const std::vector<UINT>& sizes) {
        char szProgram[MAX_PATH];
        char szFolder[MAX_PATH];
        if (GetModuleFileNameA(nullptr, szProgram, MAX_PATH) == 0 ||
            GetTempPathA(MAX_PATH, szFolder) == 0 ||
            GetTempFileNameA(szFolder, "tkp", 0, m_szPath) == 0 ||
            !CopyFileA(szProgram, m_szPath, FALSE))
            return;
        const HANDLE hUpdate = BeginUpdateResourceA(m_szPath, FALSE);
        if (hUpdate == nullptr)
            return;
        for (UINT nItems : sizes) {
            std::vector<BYTE> tmpl = test::EditTemplate(nItems);
            UpdateResourceA(hUpdate, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(nItems),
                            MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), tmpl.data(),
                            static_cast<DWORD>(tmpl.size()));
        }
        if (EndUpdateResourceA(hUpdate, FALSE))
            m_hModule = LoadLibraryExA(m_szPath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~TemplateModule() {
        if (m_hModule != nullptr)
            FreeLibrary(m_hModule);
        DeleteFileA(m_szPath);
    }
    TemplateModule(const TemplateModule&) = delete;
    TemplateModule& operator=(const TemplateModule&) = delete;

    HINSTANCE Handle() const { return m_hModule; }

private:
    char m_szPath[MAX_PATH] = {};
    HINSTANCE m_hModule = nullptr;
};

// A plain CDlgSb has no virtual destructor; the host deletes it through the object that holds it.
struct Controller {
    CDlgSb sb;
};

// The subclassing procedure of the bare loop, which hands every message on.
WNDPROC g_pfnEdit;
LRESULT CALLBACK PassOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(g_pfnEdit, hwnd, message, wParam, lParam);
}

// A dialog of nItems fields made from the template the module carries for it, and its two
// cases: Init, and the bare loop. Before each pass the fields are given back as they were made.
class Dialog {
public:
    Dialog(const TemplateModule& module, UINT nItems)
        : m_module(module), m_nItems(nItems), m_fields(nItems) {
        const std::vector<BYTE> tmpl = test::EditTemplate(nItems);
        m_hDlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                            reinterpret_cast<LPCDLGTEMPLATEA>(tmpl.data()), nullptr,
                                            nullptr, 0);
    }
    ~Dialog() {
        Release();
        DestroyWindow(m_hDlg);
    }
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    bool InitFailed() const { return m_bInitFailed; }
    std::vector<TimedCase> Cases() {
        const std::string strItems = std::to_string(m_nItems);
        return {{"Init" + strItems,
                 [this] {
                     Release();
                     m_pController = new Controller;
                 },
                 [this] { Init(); }},
                {"BareLoop" + strItems, [this] { Release(); }, [this] { BareLoop(); }}};
    }

private:
    void Init() {
        if (m_pController->sb.InitDll(CWnd::FromHandle(m_hDlg), m_module.Handle(), m_nItems, 0, 0,
                                      0, 0, 0) != 1)
            m_bInitFailed = true;
    }
    void BareLoop() {
        for (UINT i = 0; i < m_nItems; ++i) {
            m_fields[i] = GetDlgItem(m_hDlg, static_cast<int>(1000 + i));
            g_pfnEdit = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(m_fields[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PassOn)));
            const HIMC hIMC = ImmGetContext(m_fields[i]);
            if (ImmGetOpenStatus(hIMC))
                ImmSetOpenStatus(hIMC, FALSE);
            ImmReleaseContext(m_fields[i], hIMC);
        }
        SetFocus(m_fields[0]);
    }
    // The controls stay for the next pass: each of the controller's objects lets go of its
    // control first, as the objects would otherwise take their controls with them.
    void Release() {
        if (m_pController != nullptr) {
            for (UINT i = 0; i < m_pController->sb.m_nCount; ++i)
                m_pController->sb.m_ppSub[i]->UnsubclassWindow();
            delete m_pController;
            m_pController = nullptr;
        }
        for (HWND& hwnd : m_fields) {
            if (hwnd != nullptr)
                SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnEdit));
            hwnd = nullptr;
        }
    }

    const TemplateModule& m_module;
    UINT m_nItems;
    std::vector<HWND> m_fields; // subclassed by the bare loop
    HWND m_hDlg;
    Controller* m_pController = nullptr;
    bool m_bInitFailed = false;
};

const Comparison kComparisons[] = {
    {"Init300", "BareLoop300", 0.0},
    {"Init3000", "BareLoop3000", 0.0},
    {"Init3000", "Init300", 0.0},
};

} // namespace

int main(int argc, char** argv) {
    Stopwatch stopwatch(argc, argv, 4);
    if (!stopwatch.ArgumentsUnderstood())
        return kCannotRun;
    const TemplateModule module({300, 3000});
    if (module.Handle() == nullptr) {
        std::fprintf(stderr, "the templates could not be written into a module\n");
        return kCannotRun;
    }
    for (UINT nItems : {300u, 3000u}) {
        Dialog dialog(module, nItems);
        stopwatch.MeasureInTurn(dialog.Cases());
        if (dialog.InitFailed()) {
            std::fprintf(stderr, "Init of %u fields failed\n", nItems);
            return kCannotRun;
        }
    }
    return stopwatch.PrintRatios({std::begin(kComparisons), std::end(kComparisons)}) ? 0 : 1;
}
