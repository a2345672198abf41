// Reflection: a parent hands its children's notifications back to the child's object first,
// as MFC's windows do, so that a control class can handle its own WM_COMMAND codes,
// WM_DRAWITEM and WM_MEASUREITEM.
#include "wndproc.h"

#include "handlemap.h"

#include <map>

namespace afx {
namespace {

using ReflectorMap =
    std::map<HWND, WNDPROC, std::less<HWND>, ProcessHeapAllocator<std::pair<const HWND, WNDPROC>>>;

ReflectorMap& Reflectors() {
    static ReflectorMap reflectors;
    return reflectors;
}

HWND ChildOfNotification(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* pDraw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return pDraw->CtlType != ODT_MENU ? pDraw->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        const MEASUREITEMSTRUCT* pMeasure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return pMeasure->CtlType != ODT_MENU
                   ? GetDlgItem(hWndParent, static_cast<int>(pMeasure->CtlID))
                   : nullptr;
    }
    }
    return nullptr;
}

LRESULT CALLBACK ReflectorProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    const TempMapsLocked locked;
    LRESULT lResult = 0;
    if (ReflectToChild(hWnd, nMsg, wParam, lParam, &lResult))
        return lResult;
    const auto it = Reflectors().find(hWnd);
    if (it == Reflectors().end())
        return DefWindowProcA(hWnd, nMsg, wParam, lParam);
    const WNDPROC pfnSuper = it->second;
    if (nMsg == WM_NCDESTROY)
        Reflectors().erase(it);
    return CallWindowProcA(pfnSuper, hWnd, nMsg, wParam, lParam);
}

} // namespace

// A reflecting subclass stays with the parent until the parent is destroyed: a later subclass
// of someone else's may sit on top of it. A parent whose object only has it attached (a host's
// object of a dialog it made itself) needs one too: its messages never reach the object.
bool HookParentForReflection(HWND hWndParent) {
    if (hWndParent == nullptr || IsSubclassed(hWndParent) || Reflectors().count(hWndParent) != 0)
        return true;
    ReflectorMap::iterator it;
    try {
        it = Reflectors().emplace(hWndParent, nullptr).first;
    } catch (const std::bad_alloc&) {
        return false;
    }
    it->second = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWndParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ReflectorProc)));
    return true;
}

bool ReflectToChild(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const HWND hWndChild = ChildOfNotification(hWndParent, message, wParam, lParam);
    CWnd* pChild = hWndChild != nullptr ? CWnd::FromHandlePermanent(hWndChild) : nullptr;
    return pChild != nullptr && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

} // namespace afx
