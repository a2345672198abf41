// Message routing: the framework's window procedure, the messages being routed and their objects,
// and windows whose object is gone while the framework's procedure is still in their chain.
#include "wndproc.h"

#include <map>

namespace afx {
namespace {

std::map<HWND, WNDPROC>& Orphans() {
    static std::map<HWND, WNDPROC> orphans;
    return orphans;
}

// A message being routed to an object, which one of its handlers may delete (a host closing its
// dialog from a notification). Messages sent by handlers nest inside it.
struct RoutedMessage {
    MSG msg;
    const CWnd* pWnd;
    bool bObjectAlive;
    RoutedMessage* pOuter;
};
RoutedMessage* g_pInnermost = nullptr;

class RoutingScope {
public:
    RoutingScope(const CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
        : m_routed{MSG{hWnd, nMsg, wParam, lParam, 0, {0, 0}}, pWnd, true, g_pInnermost} {
        g_pInnermost = &m_routed;
    }
    ~RoutingScope() { g_pInnermost = m_routed.pOuter; }
    RoutingScope(const RoutingScope&) = delete;
    RoutingScope& operator=(const RoutingScope&) = delete;

private:
    RoutedMessage m_routed;
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
    const RoutingScope scope(pWnd, hWnd, nMsg, wParam, lParam);
    return pWnd->WindowProc(nMsg, wParam, lParam);
}

const MSG& CurrentMessage() {
    static const MSG none = {};
    return g_pInnermost != nullptr ? g_pInnermost->msg : none;
}

void ObjectGone(const CWnd* pWnd) {
    for (RoutedMessage* pRouted = g_pInnermost; pRouted != nullptr; pRouted = pRouted->pOuter) {
        if (pRouted->pWnd == pWnd)
            pRouted->bObjectAlive = false;
    }
}

bool RoutedObjectAlive(const CWnd* pWnd) {
    for (const RoutedMessage* pRouted = g_pInnermost; pRouted != nullptr;
         pRouted = pRouted->pOuter) {
        if (pRouted->pWnd == pWnd)
            return pRouted->bObjectAlive;
    }
    return true;
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
