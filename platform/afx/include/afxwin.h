// Windows as objects: CWnd with its message routing and subclassing, the standard control
// classes, device contexts, GDI objects and the message box.
#pragma once

#include "afx.h"

class CWnd;
class CDC;
class CFont;
class CBrush;

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rc) : RECT(rc) {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};

// Notifications a parent hands back to the control they come from, as MFC numbers them.
#define WM_REFLECT_BASE 0xBC00

// MFC's numbering of WM_CTLCOLORxxx for OnCtlColor.
#define CTLCOLOR_MSGBOX 0
#define CTLCOLOR_EDIT 1
#define CTLCOLOR_LISTBOX 2
#define CTLCOLOR_BTN 3
#define CTLCOLOR_DLG 4
#define CTLCOLOR_SCROLLBAR 5
#define CTLCOLOR_STATIC 6

#define afx_msg

class AFX_CORE_API CGdiObject : public CObject {
public:
    CGdiObject();
    ~CGdiObject() override;
    HGDIOBJ m_hObject;
    operator HGDIOBJ() const { return m_hObject; }
    // NULL also for a NULL object, as in MFC.
    HGDIOBJ GetSafeHandle() const;
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    // Deletes the temporary objects FromHandle made, fonts among them (see AfxUnlockTempMaps).
    static void DeleteTempMap();
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
};

class AFX_CORE_API CFont : public CGdiObject {
public:
    static CFont* FromHandle(HFONT hFont);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    LPCSTR lpszFacename);
};

class AFX_CORE_API CBrush : public CGdiObject {
public:
    BOOL CreateSolidBrush(COLORREF crColor);
};

class AFX_CORE_API CDC : public CObject {
public:
    CDC();
    ~CDC() override;
    HDC m_hDC;
    operator HDC() const { return m_hDC; }
    static CDC* FromHandle(HDC hDC);
    static void DeleteTempMap();
    BOOL Attach(HDC hDC);
    HDC Detach();

    CFont* SelectObject(CFont* pFont);
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF SetBkColor(COLORREF crColor);
    int SetBkMode(int nBkMode);
    BOOL GetTextMetrics(LPTEXTMETRICA lpMetrics) const;
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                    LPINT lpDxWidths);
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
};

class AFX_CORE_API CWnd : public CObject {
public:
    CWnd();
    ~CWnd() override;

    HWND m_hWnd;
    operator HWND() const { return m_hWnd; }
    // NULL also for a NULL object, as in MFC.
    HWND GetSafeHwnd() const;

    // The object attached to a window: FromHandlePermanent finds only objects that were
    // attached or subclassed; FromHandle makes a temporary one for any other window.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Routes the window's messages through this object's message map; the window's own
    // procedure handles every message the map leaves alone.
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();
    // Makes a window for this object, which is attached to it from the window's first message
    // (WM_NCCREATE) on; FALSE when no window was made. Create makes a child window.
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                  LPVOID lpParam = nullptr);
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT Default();

    DWORD GetStyle() const;
    BOOL IsWindowEnabled() const;
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void Invalidate(BOOL bErase = TRUE);
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);

    // The procedure of every subclassed window: the message map first, the window's own
    // procedure for the rest.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification reflected from the parent (WM_COMMAND, WM_DRAWITEM, WM_MEASUREITEM...):
    // TRUE when this control handled it, with the parent's result in *pResult.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    WNDPROC m_pfnSuper;

private:
    void OnNcDestroy();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
};

class AFX_CORE_API CButton : public CWnd {};

class AFX_CORE_API CEdit : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
};

class AFX_CORE_API CComboBox : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int AddString(LPCSTR lpszString);
    void ResetContent();
    int GetLBText(int nIndex, LPSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    void ShowDropDown(BOOL bShowIt = TRUE);

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Whether the combo box changed its own position (SWP_NOMOVE | SWP_NOZORDER |
    // SWP_NOACTIVATE) since its list last opened.
    BOOL m_bResizedSinceDropDown = FALSE;
};

class AFX_CORE_API CListBox : public CWnd {};

// The temporary objects that FromHandle makes (CWnd, CDC, CGdiObject and CFont) last, as MFC's
// do, until the thread goes idle: a program's message loop, finding its queue empty, locks and
// unlocks the temporary maps, and the unlock that ends the last lock deletes them when
// bDeleteTemps is TRUE. So a temporary object is used only within the message that got it,
// never kept. The framework holds a lock while it routes a message, so that a loop run inside
// a handler deletes nothing its callers still hold. AfxUnlockTempMaps: TRUE while a lock is
// still held.
AFX_CORE_API void AFXAPI AfxLockTempMaps();
AFX_CORE_API BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);

// A message box owned by the active window, captioned with the program's name. A box without
// an icon gets the one that suits its buttons, as MFC gives it.
AFX_CORE_API int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

#include "afxmsg_.h"
