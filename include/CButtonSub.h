// CButtonSub: the controller's listener on a push button, check box or radio button.
#pragma once

#include <afxwin.h>

class CDlgSb;

class AFX_EXT_CLASS CButtonSub : public CButton {
public:
    CButtonSub();
    ~CButtonSub() override;

    // Attaches the object to the button's window; 1 on success.
    int Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex, UINT nKind);

    int m_bClicked;
    UINT m_nIndex;
    HWND m_hItem;
    UINT m_nKind;
    CDlgSb* m_pDlgSb;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg UINT OnGetDlgCode();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // Watched over every call that may reach the host (internal/AliveWatch.h).
    bool* m_pbAlive = nullptr;
};
