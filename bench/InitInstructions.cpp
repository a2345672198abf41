// The instructions the controller's Init executes on dialogs of 3,000 and 30,000 edit fields, as
// valgrind's callgrind counts them: run under bench/count-init-instructions, which reads the two
// counts and prints their ratio. Unlike a time, a count does not depend on what else the machine
// is doing, nor on the cache; the time is init_bench's.
#include "EditTemplate.h"

#include <CDlgSb.h>
#include <headless_test.h>

#include <valgrind/callgrind.h>

#include <cstdio>
#include <vector>

namespace {

// A plain CDlgSb has no virtual destructor; the host deletes it through the object that holds it.
struct Controller {
    CDlgSb sb;
};

// The controller's construction and destruction are left out of the count; the host's first
// Init, before it, has grown the tables a host's later dialogs find grown.
bool CountInit(HEADLESS_TEST& headless, UINT nItems, const char* pszName) {
    const std::vector<BYTE> tmpl = test::EditTemplate(nItems);
    headless.SetResource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(nItems), tmpl.data(),
                         static_cast<DWORD>(tmpl.size()));
    const HWND hDlg = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(nItems), nullptr, nullptr, 0);
    if (hDlg == nullptr)
        return false;
    bool bDone = true;
    for (int nPass = 0; nPass < 2; ++nPass) {
        Controller* pController = new Controller;
        if (nPass == 1)
            CALLGRIND_ZERO_STATS;
        bDone &= pController->sb.Init(CWnd::FromHandle(hDlg), nItems, 0, 0, 0, 0, 0) == 1;
        if (nPass == 1)
            CALLGRIND_DUMP_STATS_AT(pszName);
        delete pController;
    }
    DestroyWindow(hDlg);
    return bDone;
}

} // namespace

int main() {
    HEADLESS_TEST* pHeadless = reinterpret_cast<HEADLESS_TEST*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), HEADLESS_TEST_EXPORT));
    if (pHeadless == nullptr) {
        std::fprintf(stderr,
                     "the templates are made through the headless system's test interface\n");
        return 1;
    }
    if (!CountInit(*pHeadless, 3000, "Init3000") || !CountInit(*pHeadless, 30000, "Init30000")) {
        std::fprintf(stderr, "Init failed\n");
        return 1;
    }
    return 0;
}
