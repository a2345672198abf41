// CListSub: the controller's listener on a list box.
#pragma once

#include <afxwin.h>

class CDlgSb;

class AFX_EXT_CLASS CListSub : public CListBox {
public:
    CListSub();
    ~CListSub() override;

    // Attaches the object to the list box's window; 1 on success.
    int Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex);

    UINT m_nIndex;
    HWND m_hItem;
    CDlgSb* m_pDlgSb;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    // Watched over every call that may reach the host (internal/AliveWatch.h).
    bool* m_pbAlive = nullptr;
};
