// CWnd: attaching objects to windows, subclassing, default handling and the usual wrappers.
#include "handlemap.h"
#include "nullobject.h"
#include "wndproc.h"

namespace {

afx::HandleMap<CWnd, HWND, &CWnd::m_hWnd>& WindowMap() {
    static afx::HandleMap<CWnd, HWND, &CWnd::m_hWnd> map;
    return map;
}

WNDPROC CurrentProc(HWND hWnd) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
}

} // namespace

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr) {}

// As in MFC, an object that goes while its window lives takes the window with it: its messages
// meanwhile reach only CWnd's own handling, as the derived parts are gone already. (MFC's debug
// builds also trace a warning there.) An object that only had the window attached, or whose
// window was going already (the object deleted from one of its last messages), lets go of it.
CWnd::~CWnd() {
    afx::ObjectGone(this);
    if (m_hWnd == nullptr || WindowMap().FindPermanent(m_hWnd) != this)
        return;
    ::DestroyWindow(m_hWnd);
    if (m_pfnSuper != nullptr)
        UnsubclassWindow();
    else
        Detach();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    return WindowMap().FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return WindowMap().FindPermanent(hWnd);
}

void CWnd::DeleteTempMap() {
    WindowMap().DeleteTemporaries();
}

BOOL CWnd::Attach(HWND hWndNew) {
    return WindowMap().Attach(this, hWndNew);
}

HWND CWnd::GetSafeHwnd() const {
    return afx::IsNullObject(this) ? nullptr : m_hWnd;
}

HWND CWnd::Detach() {
    return WindowMap().Detach(this);
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    // The framework's procedure may still be in the window's chain from an object that went
    // before. Right on top of it, this object takes over its place; below another subclass it
    // would be called twice for every message, so the window is refused.
    // The parent reflects before the child is taken, so that a failure leaves the child as it was.
    const bool bOverOrphan = IsWindow(hWnd) && CurrentProc(hWnd) == afx::AfxWndProc;
    if (!IsWindow(hWnd) || (!bOverOrphan && afx::HasOrphan(hWnd)))
        return FALSE;
    if ((GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) &&
        !afx::HookParentForReflection(::GetParent(hWnd)))
        return FALSE;
    if (!Attach(hWnd))
        return FALSE;
    if (bOverOrphan) {
        m_pfnSuper = afx::TakeOrphan(hWnd);
        return TRUE;
    }
    const WNDPROC pfnOld = CurrentProc(hWnd);
    if (!afx::RecordSubclass(hWnd, pfnOld)) {
        Detach();
        return FALSE;
    }
    SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(afx::AfxWndProc));
    m_pfnSuper = pfnOld;
    return TRUE;
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr && CurrentProc(m_hWnd) == afx::AfxWndProc) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        afx::EndSubclass(m_hWnd);
    } else if (m_pfnSuper != nullptr) {
        afx::AddOrphan(m_hWnd);
    }
    m_pfnSuper = nullptr;
    return Detach();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_NCDESTROY) {
        OnNcDestroy();
        *pResult = 0;
        return TRUE;
    }
    return afx::ReflectToChild(m_hWnd, message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_COMMAND)
        return FALSE;
    return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr)
        return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& msg = afx::CurrentMessage();
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

// The window's own procedure sees WM_NCDESTROY last; then the object lets go of the window,
// unless that procedure deleted it (its owner going with the window).
void CWnd::OnNcDestroy() {
    const HWND hWnd = m_hWnd;
    Default();
    if (!afx::RoutedObjectAlive(this))
        return;
    if (m_pfnSuper != nullptr && CurrentProc(hWnd) == afx::AfxWndProc)
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    if (m_pfnSuper != nullptr)
        afx::EndSubclass(hWnd);
    m_pfnSuper = nullptr;
    Detach();
}

void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
UINT CWnd::OnGetDlgCode() {
    return static_cast<UINT>(Default());
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) {
    return static_cast<int>(Default());
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*) {
    Default();
}
void CWnd::OnMove(int, int) {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE));
}

BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}

void CWnd::SetWindowText(LPCSTR lpszString) {
    ::SetWindowTextA(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(nLength), nLength + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLengthA(m_hWnd);
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
    ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x,
                          y, cx, cy, nFlags);
}

void CWnd::Invalidate(BOOL bErase) {
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

CDC* CWnd::GetDC() {
    return CDC::FromHandle(::GetDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC) {
    return pDC != nullptr ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0;
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->m_hObject : nullptr),
                bRedraw);
}
