// CEdit and CComboBox: the standard controls' messages as member functions, and the owner-draw
// notifications a combo box's parent reflects to it.
#include "afxwin.h"

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                   reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    ::SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll)
        ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
}

void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo) {
    ::SendMessageA(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}

void CEdit::LimitText(int nChars) {
    ::SendMessageA(m_hWnd, EM_LIMITTEXT, nChars, 0);
}

UINT CEdit::GetLimitText() const {
    return static_cast<UINT>(::SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

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
int CComboBox::InsertString(int nIndex, LPCSTR lpszString) {
    return static_cast<int>(
        Send(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(nIndex), Text(lpszString)));
}
int CComboBox::DeleteString(UINT nIndex) {
    return static_cast<int>(Send(m_hWnd, CB_DELETESTRING, nIndex));
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
int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
    return static_cast<int>(
        Send(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), Text(lpszFind)));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(Send(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return static_cast<int>(
        Send(m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}
int CComboBox::GetItemHeight(int nIndex) const {
    return static_cast<int>(Send(m_hWnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex)));
}
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
    return static_cast<int>(Send(m_hWnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex),
                                 static_cast<LPARAM>(cyItemHeight)));
}
void CComboBox::ShowDropDown(BOOL bShowIt) {
    Send(m_hWnd, CB_SHOWDROPDOWN, bShowIt);
}
BOOL CComboBox::GetDroppedState() const {
    return static_cast<BOOL>(Send(m_hWnd, CB_GETDROPPEDSTATE));
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
