// Windows created in code: CWnd::CreateEx and the forms built on it. A WH_CBT hook attaches the
// object to its window as soon as the window exists, so the object's message map sees every
// message from WM_NCCREATE on, as MFC's windows do.
#include "afxwin.h"

namespace {

// The object whose window CreateEx is making, until the hook has attached it.
CWnd* g_pWndInit = nullptr;

// A window the object cannot take is refused, so that no window is made without it.
LRESULT CALLBACK AttachOnCreation(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_CREATEWND && g_pWndInit != nullptr) {
        CWnd* const pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        if (!pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam)))
            return 1;
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

} // namespace

// The hook is there only while the window is made; the windows its messages create in turn
// (a combo box's list) find no object waiting and are left alone.
BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
    if (m_hWnd != nullptr)
        return FALSE;
    const HHOOK hHook = SetWindowsHookExA(WH_CBT, AttachOnCreation, nullptr, GetCurrentThreadId());
    if (hHook == nullptr)
        return FALSE;
    g_pWndInit = this;
    const HWND hWnd =
        ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth, nHeight,
                          hWndParent, nIDorHMenu, AfxGetInstanceHandle(), lpParam);
    g_pWndInit = nullptr;
    UnhookWindowsHookEx(hHook);
    return hWnd != nullptr && hWnd == m_hWnd;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}
