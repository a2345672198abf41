// CEdit and CComboBox: the standard controls' messages as member functions, and the owner-draw
// notifications a combo box's parent reflects to it.
#include "afxwin.h"

namespace {

LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageA(hWnd, message, wParam, lParam);
}

LPARAM Text(LPCSTR lpsz) {
    return reinterpret_cast<LPARAM>(lpsz);
}

} // namespace

int CComboBox::GetCount() const {
    return static_cast<int>(Send(m_hWnd, CB_GETCOUNT));
}
int CComboBox::GetCurSel() const {
    return static_cast<int>(Send(m_hWnd, CB_GETCURSEL));
}
int CComboBox::SetCurSel(int nSelect) {
    return static_cast<int>(Send(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}
int CComboBox::AddString(LPCSTR lpszString) {
    return static_cast<int>(Send(m_hWnd, CB_ADDSTRING, 0, Text(lpszString)));
}
void CComboBox::ResetContent() {
    Send(m_hWnd, CB_RESETCONTENT);
}
int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const {
    return static_cast<int>(Send(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
                                 reinterpret_cast<LPARAM>(lpszText)));
}
void CComboBox::GetLBText(int nIndex, CString& rString) const {
    const int nLength = GetLBTextLen(nIndex);
    if (nLength < 0) {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBufferSetLength(nLength));
    rString.ReleaseBuffer();
}
int CComboBox::GetLBTextLen(int nIndex) const {
    return static_cast<int>(Send(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
}
void CComboBox::ShowDropDown(BOOL bShowIt) {
    Send(m_hWnd, CB_SHOWDROPDOWN, bShowIt);
}
void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
// Windows' combo box changes its own position, with exactly these flags, when its list closes;
// some platforms' combo boxes do not (Wine's). The framework then makes the change itself,
// once the close is over, so that combo box classes can rely on it everywhere.
constexpr UINT kCloseResizeFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
// In the range of the framework's private messages.
constexpr UINT WM_AFX_COMBOCLOSED = 0x037F;

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_DROPDOWN)
        m_bResizedSinceDropDown = FALSE;
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_CLOSEUP)
        PostMessage(WM_AFX_COMBOCLOSED);
    // An owner-drawn combo box draws and measures its own items.
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    }
    if (message == WM_MEASUREITEM) {
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_AFX_COMBOCLOSED) {
        if (!m_bResizedSinceDropDown) {
            RECT rc;
            GetWindowRect(&rc);
            SetWindowPos(nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top, kCloseResizeFlags);
        }
        return 0;
    }
    if (message == WM_WINDOWPOSCHANGING &&
        (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & 0xFFFF) == kCloseResizeFlags)
        m_bResizedSinceDropDown = TRUE;
    return CWnd::WindowProc(message, wParam, lParam);
}
