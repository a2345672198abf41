// Message routing: the framework's window procedure, the messages being routed and their objects,
// and windows whose object is gone while the framework's procedure is still in their chain.
#include "wndproc.h"

#include "handlemap.h"

#include <unordered_map>

namespace afx {
namespace {

// A window the framework's procedure subclasses, and whether its object is gone.
struct Subclassing {
    WNDPROC pfnSuper;
    bool bOrphan;
};

// A window has its entry from SubclassWindow on, where a failure can be reported, so that an
// object's going, which cannot report one, only marks the entry.
using SubclassRecord = std::unordered_map<HWND, Subclassing, std::hash<HWND>, std::equal_to<HWND>,
                                          ProcessHeapAllocator<std::pair<const HWND, Subclassing>>>;

SubclassRecord& Subclassings() {
    static SubclassRecord subclassings;
    return subclassings;
}

SubclassRecord::iterator FindOrphan(HWND hWnd) {
    const auto it = Subclassings().find(hWnd);
    return it != Subclassings().end() && it->second.bOrphan ? it : Subclassings().end();
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

// The entry goes with the window, also one whose object let go of it without giving the
// window its procedure back.
LRESULT CallOrphan(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    const auto it = Subclassings().find(hWnd);
    const bool bOrphan = it != Subclassings().end() && it->second.bOrphan;
    const WNDPROC pfnSuper = bOrphan ? it->second.pfnSuper : nullptr;
    if (nMsg == WM_NCDESTROY && it != Subclassings().end())
        Subclassings().erase(it);
    return bOrphan ? CallWindowProcA(pfnSuper, hWnd, nMsg, wParam, lParam)
                   : DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

} // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return CallOrphan(hWnd, nMsg, wParam, lParam);
    const TempMapsLocked locked;
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

bool RecordSubclass(HWND hWnd, WNDPROC pfnSuper) {
    try {
        Subclassings()[hWnd] = Subclassing{pfnSuper, false};
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void EndSubclass(HWND hWnd) {
    Subclassings().erase(hWnd);
}

bool IsSubclassed(HWND hWnd) {
    const auto it = Subclassings().find(hWnd);
    return it != Subclassings().end() && !it->second.bOrphan;
}

void AddOrphan(HWND hWnd) {
    const auto it = Subclassings().find(hWnd);
    if (it != Subclassings().end())
        it->second.bOrphan = true;
}

bool HasOrphan(HWND hWnd) {
    return FindOrphan(hWnd) != Subclassings().end();
}

WNDPROC TakeOrphan(HWND hWnd) {
    const auto it = FindOrphan(hWnd);
    if (it == Subclassings().end())
        return nullptr;
    it->second.bOrphan = false;
    return it->second.pfnSuper;
}

} // namespace afx
