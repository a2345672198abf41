// CEditSub: the controller's listener on a plain edit field of a template, with the field's
// input method setting and its reading field.
#pragma once

#include <afxwin.h>

class CDlgSb;
class CFep;

class AFX_EXT_CLASS CEditSub : public CEdit {
public:
    CEditSub();
    // Closes the input method this field opened, then frees its switch.
    ~CEditSub() override;

    // Attaches the object to the edit's window; 1 on success. A multi-line field keeps Up and
    // Down for itself.
    int Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex, short bMultiLine);
    // Closes the field's input method, whoever opened it.
    void FepAbsOff();

    UINT m_nItemIndex;
    HWND m_hWndEdit;
    CDlgSb* m_pDlgSb;
    CFep* m_pFep;
    short m_nFepParam1;
    short m_nFepParam2;
    short m_bKana;
    BOOL m_bFepOn;
    short m_bMultiLine;
    CWnd* m_pKanaWnd;
    char m_szBase[1024];
    char m_szCur[1024];
    BOOL m_bComposing;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    // Watched over every call that may reach the host (internal/AliveWatch.h).
    bool* m_pbAlive = nullptr;
};
