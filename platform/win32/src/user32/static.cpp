// Static controls: text labels aligned left, centred or right, with the sunken edge style,
// transparent to the mouse unless they notify.
#include "builtin_classes.h"
#include "controls.h"

namespace headless {
namespace {

struct StaticState {
    HWND self = nullptr;
    HFONT hFont = nullptr;
};

UINT TextFormat(DWORD style) {
    UINT uFormat = DT_WORDBREAK | DT_EXPANDTABS;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        uFormat |= DT_CENTER;
        break;
    case SS_RIGHT:
        uFormat |= DT_RIGHT;
        break;
    default:
        uFormat |= DT_LEFT;
        break;
    }
    if (style & SS_NOPREFIX)
        uFormat |= DT_NOPREFIX;
    return uFormat;
}

bool ShowsText(DWORD style) {
    switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        return true;
    }
    return false;
}

// The sunken look is the static edge of the window frame.
LRESULT OnNcCreate(HWND hwnd, LPARAM lParam) {
    if (StyleOf(hwnd) & SS_SUNKEN)
        SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_STATICEDGE);
    return DefWindowProcA(hwnd, WM_NCCREATE, 0, lParam);
}

LRESULT OnPaint(HWND hwnd, const StaticState& state, HDC hdcGiven) {
    ControlPaint paint(hwnd, hdcGiven, state.hFont);
    const HDC hdc = paint.Dc();
    RECT rc = paint.Client();
    FillRect(hdc, &rc, ParentBrush(hwnd, hdc, WM_CTLCOLORSTATIC));
    const DWORD style = StyleOf(hwnd);
    if (!ShowsText(style))
        return 0;
    if (!IsWindowEnabled(hwnd))
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    const std::string& text = TextOf(hwnd);
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rc, TextFormat(style));
    return 0;
}

LRESULT OnSetText(HWND hwnd, LPARAM lParam) {
    if (!DefWindowProcA(hwnd, WM_SETTEXT, 0, lParam))
        return FALSE;
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

// Clicks go through to the window below, unless the static is to notify its parent.
LRESULT OnNcHitTest(HWND hwnd) {
    return (StyleOf(hwnd) & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
}

LRESULT StaticMessage(StaticState* pState, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = pState->self;
    switch (uMsg) {
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_NCHITTEST:
        return OnNcHitTest(hwnd);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return OnPaint(hwnd, *pState, reinterpret_cast<HDC>(wParam));
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETTEXT:
        return OnSetText(hwnd, lParam);
    case WM_SETFONT:
        SetControlFont(hwnd, pState, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

} // namespace

void RegisterStaticClass() {
    RegisterControlClass("Static", ControlProc<StaticState, StaticMessage, OnNcCreate>,
                         CS_DBLCLKS | CS_PARENTDC);
}

} // namespace headless
