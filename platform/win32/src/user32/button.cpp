// Button controls: push buttons, check boxes, radio buttons, group boxes and owner-drawn
// buttons; their check and push state, clicks with the mouse and with Space, and painting.
#include "builtin_classes.h"
#include "controls.h"

#include <algorithm>

namespace headless {
namespace {

// The box of a check box or radio button, and the gap between it and the text.
constexpr int kCheckBoxSize = 13;
constexpr int kCheckBoxGap = 4;

struct ButtonState {
    HWND self = nullptr;
    UINT uState = BST_UNCHECKED; // the check state with BST_PUSHED and BST_FOCUS
    bool bTracking = false;      // the mouse button or Space went down here and is still down
    HFONT hFont = nullptr;
};

UINT ButtonType(HWND hwnd) {
    return StyleOf(hwnd) & BS_TYPEMASK;
}

bool IsRadio(UINT uType) {
    return uType == BS_RADIOBUTTON || uType == BS_AUTORADIOBUTTON;
}

bool IsCheckBoxLike(UINT uType) {
    switch (uType) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return true;
    }
    return false;
}

// A larger state than its type can show is cut down to the largest it can.
UINT MaxCheckState(UINT uType) {
    if (uType == BS_3STATE || uType == BS_AUTO3STATE)
        return BST_INDETERMINATE;
    return IsCheckBoxLike(uType) ? BST_CHECKED : BST_UNCHECKED;
}

LRESULT DialogCode(UINT uType) {
    switch (uType) {
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    }
    return DLGC_BUTTON;
}

void SendDrawItem(HWND hwnd, const ButtonState& state, HDC hdc, UINT uAction) {
    ParentBrush(hwnd, hdc, WM_CTLCOLORBTN);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    dis.itemAction = uAction;
    if (state.uState & BST_PUSHED)
        dis.itemState |= ODS_SELECTED;
    if (state.uState & BST_FOCUS)
        dis.itemState |= ODS_FOCUS;
    if (!IsWindowEnabled(hwnd))
        dis.itemState |= ODS_DISABLED;
    dis.hwndItem = hwnd;
    dis.hDC = hdc;
    GetClientRect(hwnd, &dis.rcItem);
    SendMessageA(NotifyTarget(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

// An owner-drawn button has its owner draw each change at once, as Windows does; the others
// show it at their next WM_PAINT.
void Redraw(HWND hwnd, const ButtonState& state, UINT uAction) {
    if (ButtonType(hwnd) == BS_OWNERDRAW) {
        ControlDc dc(hwnd, state.hFont);
        SendDrawItem(hwnd, state, dc.Dc(), uAction);
    } else {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void DrawCaption(HWND hwnd, HDC hdc, RECT rc, UINT uFormat) {
    if (!IsWindowEnabled(hwnd))
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    const std::string& text = TextOf(hwnd);
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rc, uFormat);
}

void PaintPushButton(HWND hwnd, HDC hdc, const RECT& rcClient) {
    FillRect(hdc, &rcClient, ParentBrush(hwnd, hdc, WM_CTLCOLORBTN));
    DrawCaption(hwnd, hdc, rcClient, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void PaintCheckBox(HWND hwnd, HDC hdc, const RECT& rcClient) {
    FillRect(hdc, &rcClient, ParentBrush(hwnd, hdc, WM_CTLCOLORSTATIC));
    RECT rcText = rcClient;
    if (StyleOf(hwnd) & BS_LEFTTEXT)
        rcText.right -= kCheckBoxSize + kCheckBoxGap;
    else
        rcText.left += kCheckBoxSize + kCheckBoxGap;
    DrawCaption(hwnd, hdc, rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

// The caption interrupts the frame near its top left corner.
void PaintGroupBox(HWND hwnd, HDC hdc, const RECT& rcClient) {
    ParentBrush(hwnd, hdc, WM_CTLCOLORSTATIC);
    TEXTMETRICA tm = {};
    GetTextMetricsA(hdc, &tm);
    RECT rcText = rcClient;
    rcText.left += tm.tmAveCharWidth;
    DrawCaption(hwnd, hdc, rcText, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

LRESULT OnPaint(HWND hwnd, const ButtonState& state, HDC hdcGiven) {
    ControlPaint paint(hwnd, hdcGiven, state.hFont);
    const RECT rc = paint.Client();
    const UINT uType = ButtonType(hwnd);
    if (uType == BS_OWNERDRAW)
        SendDrawItem(hwnd, state, paint.Dc(), ODA_DRAWENTIRE);
    else if (uType == BS_GROUPBOX)
        PaintGroupBox(hwnd, paint.Dc(), rc);
    else if (IsCheckBoxLike(uType))
        PaintCheckBox(hwnd, paint.Dc(), rc);
    else
        PaintPushButton(hwnd, paint.Dc(), rc);
    return 0;
}

LRESULT OnNcCreate(HWND hwnd, LPARAM lParam) {
    // A user button is a push button since Windows XP.
    if (ButtonType(hwnd) == BS_USERBUTTON)
        ChangeOwnStyle(hwnd, BS_PUSHBUTTON, BS_TYPEMASK);
    return DefWindowProcA(hwnd, WM_NCCREATE, 0, lParam);
}

void StartTracking(HWND hwnd) {
    ControlState<ButtonState>(hwnd)->bTracking = true;
    SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
}

LRESULT OnLButtonDown(HWND hwnd) {
    SetCapture(hwnd);
    SetFocus(hwnd);
    if (IsWindow(hwnd))
        StartTracking(hwnd);
    return 0;
}

LRESULT OnKeyDown(HWND hwnd, WPARAM vk) {
    if (vk == VK_SPACE) {
        StartTracking(hwnd);
        SetCapture(hwnd);
    }
    return 0;
}

// An automatic radio button checks itself and clears every other radio button of its group,
// asking each control for its dialog code, in the order the dialog manager walks the group. The
// walk passes over hidden and disabled controls, so for a button that is one of them it ends
// where it comes round again.
void CheckAutomaticRadio(HWND hwnd) {
    const auto visit = [hwnd](HWND sibling) {
        const LRESULT code = SendMessageA(sibling, WM_GETDLGCODE, 0, 0);
        if (sibling == hwnd ||
            (code & (DLGC_BUTTON | DLGC_RADIOBUTTON)) == (DLGC_BUTTON | DLGC_RADIOBUTTON))
            SendMessageA(sibling, BM_SETCHECK, sibling == hwnd, 0);
    };
    visit(hwnd);
    const HWND parent = GetParent(hwnd);
    const HWND first = GetNextDlgGroupItem(parent, hwnd, FALSE);
    for (HWND sibling = first; sibling != nullptr && sibling != hwnd;) {
        visit(sibling);
        if ((sibling = GetNextDlgGroupItem(parent, sibling, FALSE)) == first)
            break;
    }
}

// What a click does to the check state of the automatic types; the others leave it to
// their owner.
void ToggleAutomaticCheck(HWND hwnd, UINT uState) {
    switch (ButtonType(hwnd)) {
    case BS_AUTOCHECKBOX:
        SendMessageA(hwnd, BM_SETCHECK, (uState & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessageA(hwnd, BM_SETCHECK,
                     (uState & BST_INDETERMINATE) ? BST_UNCHECKED : (uState & 3) + 1, 0);
        break;
    case BS_AUTORADIOBUTTON:
        CheckAutomaticRadio(hwnd);
        break;
    }
}

// The end of a press: inside the button (or with Space) it is a click.
LRESULT OnRelease(HWND hwnd, ButtonState* pState, bool bInside) {
    if (!pState->bTracking)
        return 0;
    pState->bTracking = false;
    const UINT uState = pState->uState;
    if (uState & BST_PUSHED) {
        SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
        if (bInside) {
            ToggleAutomaticCheck(hwnd, uState);
            ReleaseCapture();
            NotifyParent(hwnd, BN_CLICKED);
            return 0;
        }
    }
    ReleaseCapture();
    return 0;
}

LRESULT OnLButtonUp(HWND hwnd, ButtonState* pState, LPARAM lParam) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    const POINT pt = {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    return OnRelease(hwnd, pState, PtInRect(&rc, pt) != FALSE);
}

LRESULT OnCaptureChanged(HWND hwnd, ButtonState* pState) {
    if (pState->bTracking) {
        pState->bTracking = false;
        if (pState->uState & BST_PUSHED)
            SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
    }
    return 0;
}

LRESULT OnSetFocus(HWND hwnd, ButtonState* pState) {
    pState->uState |= BST_FOCUS;
    Redraw(hwnd, *pState, ODA_FOCUS);
    if (StyleOf(hwnd) & BS_NOTIFY)
        NotifyParent(hwnd, BN_SETFOCUS);
    return 0;
}

LRESULT OnKillFocus(HWND hwnd, ButtonState* pState) {
    pState->uState &= ~static_cast<UINT>(BST_FOCUS);
    Redraw(hwnd, *pState, ODA_FOCUS);
    if (pState->bTracking && GetCapture() == hwnd)
        ReleaseCapture();
    if (IsWindow(hwnd) && (StyleOf(hwnd) & BS_NOTIFY))
        NotifyParent(hwnd, BN_KILLFOCUS);
    return 0;
}

// A radio button that is checked is where the Tab key enters its group, so it carries
// WS_TABSTOP, and an unchecked one does not.
LRESULT OnSetCheck(HWND hwnd, ButtonState* pState, WPARAM wCheck) {
    const UINT uType = ButtonType(hwnd);
    const UINT uCheck = static_cast<UINT>(std::min<WPARAM>(wCheck, MaxCheckState(uType)));
    if (IsRadio(uType))
        ChangeOwnStyle(hwnd, uCheck ? WS_TABSTOP : 0, uCheck ? 0 : WS_TABSTOP);
    if ((pState->uState & 3) != uCheck) {
        pState->uState = (pState->uState & ~3u) | uCheck;
        Redraw(hwnd, *pState, ODA_SELECT);
    }
    return 0;
}

// The button is drawn again even when the state stays as it was, as Wine does.
LRESULT OnSetState(HWND hwnd, ButtonState* pState, WPARAM bPushed) {
    if (bPushed)
        pState->uState |= BST_PUSHED;
    else
        pState->uState &= ~static_cast<UINT>(BST_PUSHED);
    Redraw(hwnd, *pState, ODA_SELECT);
    return 0;
}

LRESULT OnSetStyle(HWND hwnd, WPARAM wStyle, LPARAM bRedraw) {
    ChangeOwnStyle(hwnd, static_cast<DWORD>(wStyle) & BS_TYPEMASK, BS_TYPEMASK);
    if (bRedraw)
        InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

LRESULT OnClick(HWND hwnd) {
    SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
    return 0;
}

LRESULT OnSetText(HWND hwnd, const ButtonState& state, LPARAM lParam) {
    if (!DefWindowProcA(hwnd, WM_SETTEXT, 0, lParam))
        return FALSE;
    Redraw(hwnd, state, ODA_DRAWENTIRE);
    return TRUE;
}

LRESULT OnNcHitTest(HWND hwnd, LPARAM lParam) {
    if (ButtonType(hwnd) == BS_GROUPBOX)
        return HTTRANSPARENT;
    return DefWindowProcA(hwnd, WM_NCHITTEST, 0, lParam);
}

LRESULT ButtonMessage(ButtonState* pState, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = pState->self;
    switch (uMsg) {
    case WM_GETDLGCODE:
        return DialogCode(ButtonType(hwnd));
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return OnPaint(hwnd, *pState, reinterpret_cast<HDC>(wParam));
    case WM_ENABLE:
        Redraw(hwnd, *pState, ODA_DRAWENTIRE);
        return 0;
    case WM_SETTEXT:
        return OnSetText(hwnd, *pState, lParam);
    case WM_SETFONT:
        SetControlFont(hwnd, pState, wParam, lParam);
        return 0;
    case WM_NCHITTEST:
        return OnNcHitTest(hwnd, lParam);
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, wParam);
    case WM_KEYUP:
        return wParam == VK_SPACE ? OnRelease(hwnd, pState, true) : 0;
    case WM_LBUTTONDOWN:
        return OnLButtonDown(hwnd);
    case WM_LBUTTONUP:
        return OnLButtonUp(hwnd, pState, lParam);
    case WM_CAPTURECHANGED:
        return OnCaptureChanged(hwnd, pState);
    case WM_SETFOCUS:
        return OnSetFocus(hwnd, pState);
    case WM_KILLFOCUS:
        return OnKillFocus(hwnd, pState);
    case BM_GETCHECK:
        return pState->uState & 3;
    case BM_SETCHECK:
        return OnSetCheck(hwnd, pState, wParam);
    case BM_GETSTATE:
        return pState->uState;
    case BM_SETSTATE:
        return OnSetState(hwnd, pState, wParam);
    case BM_SETSTYLE:
        return OnSetStyle(hwnd, wParam, lParam);
    case BM_CLICK:
        return OnClick(hwnd);
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

} // namespace

void RegisterButtonClass() {
    RegisterControlClass("Button", ControlProc<ButtonState, ButtonMessage, OnNcCreate>,
                         CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW | CS_PARENTDC);
}

} // namespace headless
