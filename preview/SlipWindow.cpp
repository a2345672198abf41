// The demo slip as a Windows program: the same template and host code as the terminal
// previewer, in a real window. --keys "KEYS" types a key script into it as keyboard input, a key
// every fifth of a second, then prints where the dialog is on the screen (for a picture of it)
// and leaves it open; it ends when the dialog is cancelled.
#include "DemoSlip.h"
#include "HostDialog.h"
#include "Keys.h"
#include "slip.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Runs the host's dialog loop for about dwMilliseconds.
void PumpFor(HostDialog& host, DWORD dwMilliseconds) {
    const DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < dwMilliseconds) {
        host.Pump();
        Sleep(10);
    }
}

void Type(HostDialog& host, const Key& key) {
    PressOnKeyboard(key);
    PumpFor(host, 200);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<Key> keys;
    std::string error;
    const bool bScript = argc == 3 && std::strcmp(argv[1], "--keys") == 0;
    if ((argc != 1 && !bScript) || (bScript && !ParseKeyScript(argv[2], &keys, &error))) {
        std::fprintf(stderr, "usage: slip [--keys \"KEYS\"] %s\n", error.c_str());
        return 2;
    }
    InitPeluDlgDLL();
    DemoSlip slip("preview-masters\\");
    HostDialog host;
    if (!host.Open(GetModuleHandleA(nullptr), IDD_SLIP, &slip, &error)) {
        std::fprintf(stderr, "slip: %s\n", error.c_str());
        return 1;
    }
    SetForegroundWindow(host.Dialog());
    PumpFor(host, 500);
    for (const Key& key : keys)
        Type(host, key);
    if (bScript) {
        RECT rc;
        GetWindowRect(host.Dialog(), &rc);
        std::printf("dialog %ldx%ld+%ld+%ld\n", rc.right - rc.left, rc.bottom - rc.top, rc.left,
                    rc.top);
        std::fflush(stdout);
    }
    // Each wait ends with the queue drained and the thread idle.
    while (!host.Cancelled()) {
        WaitMessage();
        host.Pump();
    }
    return 0;
}
