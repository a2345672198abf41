// CEditSub: the controller's listener on a plain edit field of a template, with the field's
// input method setting and its reading field.
#pragma once

#include <afxwin.h>

class CDlgSb;
class CFep;

// Posted by a field to itself, wParam and lParam 0: switch the input method on now.
#define WM_FEP_APPLY 0x291C

class AFX_EXT_CLASS CEditSub : public CEdit {
public:
    CEditSub();
    // Closes the input method this field opened, then frees its switch.
    ~CEditSub() override;

    // Attaches the object to the edit's window; 1 on success. A multi-line field keeps Up and
    // Down for itself.
    int Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex, short bMultiLine);
    // The field's input method mode, switched on at each focus gain (bKana as CFep::FepOn),
    // and the field that receives the readings of what is composed here (NULL for none).
    // bApplyNow switches it on at once for a field that has the focus already. Replaces an
    // earlier setting; 0, with nothing recorded, when the switch cannot be made.
    int SetFep(short bApplyNow, short nFepParam1, short nFepParam2, short bKana, CWnd* pKanaWnd);
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
    afx_msg LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeComposition(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeEndComposition(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFepApply(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool CopyReadings(LPARAM lParam);

    // Watched over every call that may reach the host (internal/AliveWatch.h).
    bool* m_pbAlive = nullptr;
};
