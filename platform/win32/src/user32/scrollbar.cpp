// Scroll bar controls: a dialog's scroll bar takes the arrow keys and tells its parent what each
// key asks to scroll, as WM_VSCROLL or WM_HSCROLL. It keeps no range or position of its own: what
// is scrolled, and by how much, is the parent's.
#include "builtin_classes.h"
#include "controls.h"

namespace headless {
namespace {

struct ScrollBarState {
    HWND self = nullptr;
    HFONT hFont = nullptr;
};

// Up and Left scroll back, Down and Right forward, whatever the bar's direction (Wine agrees);
// -1 for a key that scrolls nothing.
int ScrollCodeOfKey(WPARAM vk) {
    switch (vk) {
    case VK_UP:
    case VK_LEFT:
        return SB_LINEUP;
    case VK_DOWN:
    case VK_RIGHT:
        return SB_LINEDOWN;
    case VK_PRIOR:
        return SB_PAGEUP;
    case VK_NEXT:
        return SB_PAGEDOWN;
    case VK_HOME:
        return SB_TOP;
    case VK_END:
        return SB_BOTTOM;
    }
    return -1;
}

LRESULT OnKeyDown(HWND hwnd, WPARAM vk) {
    const int nCode = ScrollCodeOfKey(vk);
    if (nCode < 0)
        return 0;
    const UINT uMsg = (StyleOf(hwnd) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    SendMessageA(NotifyTarget(hwnd), uMsg, static_cast<WPARAM>(nCode),
                 reinterpret_cast<LPARAM>(hwnd));
    return 0;
}

LRESULT ScrollBarMessage(ScrollBarState* pState, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = pState->self;
    switch (uMsg) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, wParam);
    case WM_SETFONT:
        SetControlFont(hwnd, pState, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

} // namespace

void RegisterScrollBarClass() {
    RegisterControlClass("ScrollBar", ControlProc<ScrollBarState, ScrollBarMessage>,
                         CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW | CS_PARENTDC);
}

} // namespace headless
