// The closing host's dialog subclass.
#include "ClosingHost.h"

namespace test {
namespace {

struct Trigger {
    WNDPROC pfnNext;
    UINT message;
    WPARAM wParam;
    ClosingHost* pHost;
};

LRESULT CALLBACK ClosingDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Trigger* pTrigger = static_cast<Trigger*>(GetPropA(hwnd, "closing host"));
    const WNDPROC pfnNext = pTrigger->pfnNext;
    if (message == pTrigger->message && wParam == pTrigger->wParam && pTrigger->pHost) {
        delete pTrigger->pHost;
        pTrigger->pHost = nullptr;
        DestroyWindow(hwnd);
        return 0;
    }
    if (message == WM_NCDESTROY)
        delete static_cast<Trigger*>(RemovePropA(hwnd, "closing host"));
    return CallWindowProcA(pfnNext, hwnd, message, wParam, lParam);
}

} // namespace

void CloseOn(HWND hDlg, UINT message, WPARAM wParam, ClosingHost* pHost) {
    Trigger* pTrigger = new Trigger{nullptr, message, wParam, pHost};
    SetPropA(hDlg, "closing host", pTrigger);
    pTrigger->pfnNext = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hDlg, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClosingDialogProc)));
}

} // namespace test
