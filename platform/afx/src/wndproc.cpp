// Message routing: the framework's window procedure, the message being routed, and windows
// whose object is gone while the framework's procedure is still in their chain.
#include "wndproc.h"

#include <map>

namespace afx {
namespace {

MSG g_current = {};
std::map<HWND, WNDPROC>& Orphans() {
    static std::map<HWND, WNDPROC> orphans;
    return orphans;
}

// Keeps the routed message for CWnd::Default, and restores the outer one when a handler's
// own sends return.
class CurrentMessageScope {
public:
    CurrentMessageScope(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) : m_saved(g_current) {
        g_current = MSG{hWnd, nMsg, wParam, lParam, 0, {0, 0}};
    }
    ~CurrentMessageScope() { g_current = m_saved; }

private:
    MSG m_saved;
};

LRESULT CallOrphan(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    const auto it = Orphans().find(hWnd);
    if (it == Orphans().end())
        return DefWindowProcA(hWnd, nMsg, wParam, lParam);
    const WNDPROC pfnSuper = it->second;
    if (nMsg == WM_NCDESTROY)
        Orphans().erase(it);
    return CallWindowProcA(pfnSuper, hWnd, nMsg, wParam, lParam);
}

} // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return CallOrphan(hWnd, nMsg, wParam, lParam);
    CurrentMessageScope scope(hWnd, nMsg, wParam, lParam);
    return pWnd->WindowProc(nMsg, wParam, lParam);
}

const MSG& CurrentMessage() {
    return g_current;
}

void AddOrphan(HWND hWnd, WNDPROC pfnSuper) {
    Orphans()[hWnd] = pfnSuper;
}

bool HasOrphan(HWND hWnd) {
    return Orphans().count(hWnd) != 0;
}

WNDPROC TakeOrphan(HWND hWnd) {
    const auto it = Orphans().find(hWnd);
    if (it == Orphans().end())
        return nullptr;
    const WNDPROC pfnSuper = it->second;
    Orphans().erase(it);
    return pfnSuper;
}

} // namespace afx
