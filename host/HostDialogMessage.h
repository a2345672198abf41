// The host's part in a dialog's keyboard handling, for the message loop or PreTranslateMessage
// of every dialog that a CDlgSb controls. IsDialogMessage alone would make Enter the dialog's
// IDOK and Escape its IDCANCEL before the library's controls see them; this hands those keys
// to the focus control instead wherever the library expects them there, and everything else
// to IsDialogMessage:
//
//     while (GetMessage(&msg, NULL, 0, 0)) {
//         if (!HostDialogMessage(hDlg, &msg)) {
//             TranslateMessage(&msg);
//             DispatchMessage(&msg);
//         }
//     }
//
// or, in an MFC dialog: BOOL CHostDlg::PreTranslateMessage(MSG* pMsg) { return
// HostDialogMessage(m_hWnd, pMsg); }. Written against the Win32 API only; nothing to link.
#pragma once

#include <windows.h>

// The focus window, or a window above it in the dialog, is a combo box whose list is open (the
// focus of a drop-down combo box is its edit field).
inline BOOL HostIsInOpenComboBox(HWND hDlg, HWND hwnd) {
    for (; hwnd != NULL && hwnd != hDlg; hwnd = GetParent(hwnd)) {
        char szClass[16];
        if (GetClassNameA(hwnd, szClass, sizeof(szClass)) > 0 &&
            lstrcmpiA(szClass, "ComboBox") == 0)
            return SendMessageA(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
    }
    return FALSE;
}

// Enter belongs to the focus control unless that is a push button, where it is the dialog's
// default-button command; Escape only while a combo box's list is open, which it closes.
inline BOOL HostKeyBelongsToControl(HWND hDlg, const MSG* lpMsg) {
    if (lpMsg->message != WM_KEYDOWN || lpMsg->hwnd == hDlg || !IsChild(hDlg, lpMsg->hwnd))
        return FALSE;
    if (lpMsg->wParam == VK_RETURN)
        return !(SendMessageA(lpMsg->hwnd, WM_GETDLGCODE, 0, 0) &
                 (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
    return lpMsg->wParam == VK_ESCAPE && HostIsInOpenComboBox(hDlg, lpMsg->hwnd);
}

// Takes the place of IsDialogMessage, with its signature and result: TRUE when the message was
// the dialog's and has been dispatched, FALSE when the caller must dispatch it.
inline BOOL WINAPI HostDialogMessage(HWND hDlg, LPMSG lpMsg) {
    if (HostKeyBelongsToControl(hDlg, lpMsg)) {
        TranslateMessage(lpMsg);
        DispatchMessageA(lpMsg);
        return TRUE;
    }
    return IsDialogMessageA(hDlg, lpMsg);
}
