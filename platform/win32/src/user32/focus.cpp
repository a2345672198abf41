// Keyboard focus, window activation and mouse capture.
#include "window.h"
#include "lifetime.h"

namespace headless {
namespace {

struct InputState {
    HWND hwndFocus = nullptr;
    HWND hwndActive = nullptr;
    HWND hwndCapture = nullptr;
};

InputState& State() {
    return ProcessLifetime<InputState>();
}

bool IsChildStyle(DWORD style) {
    return (style & (WS_CHILD | WS_POPUP)) == WS_CHILD;
}

WORD Minimized(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_MINIMIZE) ? 1 : 0;
}

// Without memory for the list of top-level windows, none of them hears of it.
void SendActivateApp(BOOL bActive) {
    std::vector<HWND> tops;
    GrowStorage([&] { tops = FindWindowPtr(DesktopWindow())->children; });
    for (HWND top : tops)
        SendMessageA(top, WM_ACTIVATEAPP, bActive, static_cast<LPARAM>(GetCurrentThreadId()));
}

void MoveFocus(HWND hwnd) {
    InputState& state = State();
    const HWND previous = state.hwndFocus;
    state.hwndFocus = hwnd;
    if (previous != nullptr && IsWindow(previous)) {
        SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
        // The window that lost the focus may have given it elsewhere meanwhile.
        if (state.hwndFocus != hwnd)
            return;
    }
    if (hwnd != nullptr && IsWindow(hwnd))
        SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
}

// Makes hwnd (a top-level window, or NULL) the active window. With bFocus, the focus then
// goes to hwnd unless it already lies inside it.
bool Activate(HWND hwnd, bool bFocus) {
    InputState& state = State();
    const HWND previous = state.hwndActive;
    if (previous == hwnd)
        return true;
    state.hwndActive = hwnd;
    if (previous != nullptr && IsWindow(previous)) {
        SendMessageA(previous, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd));
        if (state.hwndActive != hwnd)
            return false;
        SendMessageA(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, Minimized(previous)),
                     reinterpret_cast<LPARAM>(hwnd));
        if (state.hwndActive != hwnd)
            return false;
    }
    if (previous == nullptr && hwnd != nullptr)
        SendActivateApp(TRUE);
    if (hwnd != nullptr && IsWindow(hwnd)) {
        RestackWindow(hwnd, HWND_TOP);
        SendMessageA(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(previous));
        SendMessageA(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, Minimized(hwnd)),
                     reinterpret_cast<LPARAM>(previous));
    }
    if (hwnd == nullptr && previous != nullptr)
        SendActivateApp(FALSE);
    if (bFocus && state.hwndActive == hwnd) {
        const HWND hFocus = state.hwndFocus;
        if (hFocus == nullptr || hwnd == nullptr || GetAncestor(hFocus, GA_ROOT) != hwnd)
            MoveFocus(hwnd);
    }
    return state.hwndActive == hwnd;
}

// A child window of the desktop (the list of a combo box) is never active.
bool CanActivate(HWND hwnd, HWND hwndLeaving) {
    const Window* pWnd = FindWindowPtr(hwnd);
    return pWnd != nullptr && hwnd != hwndLeaving && !pWnd->bDestroying &&
           !IsChildStyle(pWnd->style) && (pWnd->style & WS_VISIBLE) && !(pWnd->style & WS_DISABLED);
}

} // namespace

// The owner of a leaving popup takes over, else the next top-level window that can be active.
void ActivateOtherWindow(HWND hwndLeaving) {
    const Window* pLeaving = FindWindowPtr(hwndLeaving);
    HWND hwndNext = nullptr;
    if (pLeaving != nullptr && (pLeaving->style & WS_POPUP) && pLeaving->owner != nullptr &&
        CanActivate(pLeaving->owner, hwndLeaving))
        hwndNext = pLeaving->owner;
    if (hwndNext == nullptr) {
        for (HWND top : FindWindowPtr(DesktopWindow())->children) {
            if (CanActivate(top, hwndLeaving)) {
                hwndNext = top;
                break;
            }
        }
    }
    Activate(hwndNext, true);
}

void ForgetFocusOnDestroy(HWND hwnd) {
    InputState& state = State();
    if (state.hwndFocus == hwnd)
        state.hwndFocus = nullptr;
    if (state.hwndActive == hwnd)
        state.hwndActive = nullptr;
    if (state.hwndCapture == hwnd)
        state.hwndCapture = nullptr;
}

} // namespace headless

HWND WINAPI SetFocus(HWND hWnd) {
    headless::InputState& state = headless::State();
    const HWND previous = state.hwndFocus;
    if (hWnd == nullptr) {
        headless::MoveFocus(nullptr);
        return previous;
    }
    if (headless::FindWindowPtr(hWnd) == nullptr || headless::IsDesktop(hWnd))
        return nullptr;
    if (hWnd == previous)
        return previous;
    // A window inside a minimised or disabled window cannot take the focus; the top-level
    // window that holds it becomes the active one first.
    HWND hwndTop = hWnd;
    for (;;) {
        const headless::Window* pWnd = headless::FindWindowPtr(hwndTop);
        if (pWnd->style & (WS_MINIMIZE | WS_DISABLED))
            return nullptr;
        if (!headless::IsChildStyle(pWnd->style))
            break;
        hwndTop = pWnd->parent;
    }
    if (hwndTop != state.hwndActive) {
        if (!headless::Activate(hwndTop, false) || !IsWindow(hWnd))
            return nullptr;
        if (state.hwndFocus == hWnd)
            return previous;
    }
    headless::MoveFocus(hWnd);
    return previous;
}

HWND WINAPI GetFocus(void) {
    return headless::State().hwndFocus;
}

HWND WINAPI GetActiveWindow(void) {
    return headless::State().hwndActive;
}

HWND WINAPI SetActiveWindow(HWND hWnd) {
    const HWND previous = headless::State().hwndActive;
    if (hWnd != nullptr) {
        const headless::Window* pWnd = headless::FindWindowPtr(hWnd);
        if (pWnd == nullptr)
            return nullptr;
        // Child windows are never active; Windows reports no error for them.
        if (headless::IsChildStyle(pWnd->style))
            return previous;
    }
    return headless::Activate(hWnd, true) ? previous : nullptr;
}

HWND WINAPI SetCapture(HWND hWnd) {
    headless::InputState& state = headless::State();
    const HWND previous = state.hwndCapture;
    if (hWnd != nullptr && !IsWindow(hWnd))
        return nullptr;
    state.hwndCapture = hWnd;
    if (previous != nullptr && previous != hWnd && IsWindow(previous))
        SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return previous;
}

BOOL WINAPI ReleaseCapture(void) {
    SetCapture(nullptr);
    return TRUE;
}

HWND WINAPI GetCapture(void) {
    return headless::State().hwndCapture;
}
