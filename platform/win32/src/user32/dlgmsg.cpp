// IsDialogMessage: the dialog manager's keyboard interface. Tab and Shift+Tab move through the
// tab stops, the arrows through a group, Enter presses the default button and Escape cancels,
// unless the focus control asks for the key with its WM_GETDLGCODE answer. Any window with
// controls can be given it; a WH_MSGFILTER hook sees each message first.
#include "window.h"

namespace headless {
namespace {

void SendCommand(HWND hwndDlg, int nId, HWND hwndControl) {
    SendMessageA(hwndDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwndControl));
}

// The focus control when it is the default push button, else the dialog's default button
// unless that one is disabled, else IDOK.
void PressDefaultButton(HWND hwndDlg) {
    const HWND hwndFocus = GetFocus();
    if (hwndFocus != nullptr && IsChild(hwndDlg, hwndFocus) &&
        (SendMessageA(hwndFocus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
        SendCommand(hwndDlg, GetDlgCtrlID(hwndFocus), hwndFocus);
        return;
    }
    const LRESULT defId = SendMessageA(hwndDlg, DM_GETDEFID, 0, 0);
    if (HIWORD(defId) != DC_HASDEFID) {
        SendCommand(hwndDlg, IDOK, GetDlgItem(hwndDlg, IDOK));
        return;
    }
    const HWND hwndDefault = GetDlgItem(hwndDlg, LOWORD(defId));
    if (hwndDefault == nullptr || IsWindowEnabled(hwndDefault))
        SendCommand(hwndDlg, LOWORD(defId), hwndDefault);
}

bool IsAutomaticRadio(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// An arrow moves to the next or previous control of the group; a radio button reached this
// way is clicked unless it is checked already.
void MoveInGroup(HWND hwndDlg, MSG* pMsg) {
    const bool bPrevious = pMsg->wParam == VK_LEFT || pMsg->wParam == VK_UP;
    const HWND hwndNext = GetNextDlgGroupItem(hwndDlg, pMsg->hwnd, bPrevious);
    if (hwndNext == nullptr)
        return;
    const LRESULT code =
        SendMessageA(hwndNext, WM_GETDLGCODE, pMsg->wParam, reinterpret_cast<LPARAM>(pMsg));
    if ((code & (DLGC_BUTTON | DLGC_RADIOBUTTON)) != (DLGC_BUTTON | DLGC_RADIOBUTTON)) {
        SendMessageA(hwndDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hwndNext), TRUE);
        return;
    }
    SetFocus(hwndNext);
    if (IsAutomaticRadio(hwndNext) && SendMessageA(hwndNext, BM_GETCHECK, 0, 0) != BST_CHECKED)
        SendMessageA(hwndNext, BM_CLICK, 0, 0);
}

// A dialog moves the focus on WM_NEXTDLGCTL; in a window that is no dialog the dialog manager
// makes the same move itself.
void MoveToNextTabStop(HWND hwndDlg) {
    const WPARAM bPrevious = GetKeyState(VK_SHIFT) & 0x8000;
    if (IsDialogWindow(FindWindowPtr(hwndDlg)))
        SendMessageA(hwndDlg, WM_NEXTDLGCTL, bPrevious, 0);
    else
        NextDialogControl(hwndDlg, bPrevious, 0);
}

// True when the dialog manager took the key; false leaves it to the focus control.
bool HandleDialogKey(HWND hwndDlg, MSG* pMsg) {
    const LRESULT code =
        SendMessageA(pMsg->hwnd, WM_GETDLGCODE, pMsg->wParam, reinterpret_cast<LPARAM>(pMsg));
    if (code & DLGC_WANTMESSAGE)
        return false;
    switch (pMsg->wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        MoveToNextTabStop(hwndDlg);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS)
            return false;
        MoveInGroup(hwndDlg, pMsg);
        return true;
    case VK_ESCAPE:
        SendCommand(hwndDlg, IDCANCEL, GetDlgItem(hwndDlg, IDCANCEL));
        return true;
    case VK_RETURN:
        PressDefaultButton(hwndDlg);
        return true;
    }
    return false;
}

} // namespace
} // namespace headless

// Characters are never mnemonics here: they are dispatched like every message the dialog
// manager leaves alone. The hook is asked once the dialog is known to be a window, whatever the
// message's window, as Windows asks it.
BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
    if (!IsWindow(hDlg) || lpMsg == nullptr)
        return FALSE;
    if (CallMsgFilterA(lpMsg, MSGF_DIALOGBOX))
        return TRUE;
    if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd))
        return FALSE;
    if (lpMsg->message == WM_KEYDOWN && headless::HandleDialogKey(hDlg, lpMsg))
        return TRUE;
    TranslateMessage(lpMsg);
    DispatchMessageA(lpMsg);
    return TRUE;
}
