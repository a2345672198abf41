// The parent window and the recorded controls of the tests of the standard controls.
#include "ControlHost.h"

#include "HostDialog.h"
#include "MessageLog.h"

#include <map>

namespace test {
namespace {

std::vector<DRAWITEMSTRUCT> g_drawn;
std::vector<MEASUREITEMSTRUCT> g_measured;
UINT g_nMeasuredHeight = 0;

std::map<HWND, WNDPROC>& ControlProcs() {
    static std::map<HWND, WNDPROC> procs;
    return procs;
}

// What the parent keeps of the requests that the message record leaves out.
void KeepParentRequest(UINT message, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        g_drawn.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    } else if (message == WM_MEASUREITEM) {
        MEASUREITEMSTRUCT& mis = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        g_measured.push_back(mis);
        if (g_nMeasuredHeight != 0)
            mis.itemHeight = g_nMeasuredHeight;
    }
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    RecordMessage(hwnd, message, wParam, lParam);
    KeepParentRequest(message, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK RecordingControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC proc = ControlProcs()[hwnd];
    RecordMessage(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        ControlProcs().erase(hwnd);
    return CallWindowProcA(proc, hwnd, message, wParam, lParam);
}

void Forget() {
    Pump();
    ForgetWindows();
    ClearMessages();
    ClearParentRecords();
    g_nMeasuredHeight = 0;
}

} // namespace

ParentWindow::ParentWindow() : m_hwnd(CreateHostWindow("parent", ParentProc)) {
    Pump();
    ClearMessages();
}

ParentWindow::~ParentWindow() {
    DestroyWindow(m_hwnd);
    Forget();
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

const std::vector<DRAWITEMSTRUCT>& DrawnItems() {
    return g_drawn;
}

const std::vector<MEASUREITEMSTRUCT>& MeasuredItems() {
    return g_measured;
}

void ClearParentRecords() {
    g_drawn.clear();
    g_measured.clear();
}

void SetMeasuredHeight(UINT nHeight) {
    g_nMeasuredHeight = nHeight;
}

} // namespace test
