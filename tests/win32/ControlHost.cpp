// The parent window and the recorded controls of the tests of the standard controls.
#include "ControlHost.h"

#include "HostDialog.h"
#include "MessageLog.h"

#include <map>

namespace test {
namespace {

std::map<HWND, WNDPROC>& ControlProcs() {
    static std::map<HWND, WNDPROC> procs;
    return procs;
}

LRESULT CALLBACK RecordingControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC proc = ControlProcs()[hwnd];
    RecordMessage(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        ControlProcs().erase(hwnd);
    return CallWindowProcA(proc, hwnd, message, wParam, lParam);
}

} // namespace

ParentWindow::ParentWindow() : m_hwnd(CreateHostWindow("parent", RecordingWindowProc)) {
    Pump();
    ClearMessages();
}

ParentWindow::~ParentWindow() {
    DestroyWindow(m_hwnd);
    Pump();
    ForgetWindows();
    ClearMessages();
}

HWND ParentWindow::Create(const char* pszClass, DWORD style, int nId, const char* pszText,
                          DWORD exStyle, int cx, int cy) const {
    const HWND hwnd = CreateWindowExA(
        exStyle, pszClass, pszText, style | WS_CHILD | WS_VISIBLE, 10, 10, cx, cy, m_hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)), GetModuleHandleA(nullptr), nullptr);
    Pump();
    ClearMessages();
    return hwnd;
}

void RecordControl(HWND hwnd, const char* pszName) {
    ControlProcs()[hwnd] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingControlProc)));
    RecordWindow(hwnd, pszName);
}

} // namespace test
