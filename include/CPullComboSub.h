// CPullComboSub: a combo box of code/name rows that the user picks by code, under the dialog
// controller. Typing the start of a code or of a search key narrows a list made from the master
// files and drops it down.
#pragma once

#include "CPullRead.h"

class CDlgSb;

class AFX_EXT_CLASS CPullComboSub : public CComboBox {
public:
    CPullComboSub();
    // The store frees the record cache.
    ~CPullComboSub() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    // Attaches the object to the combo box's window; 1 on success.
    int Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex);
    // Prepares a list whose rows the host adds itself, and selects row 0. Always 1.
    int PullMakeList(short nKind, ULONG nSelect1, ULONG nSelect2, WORD wStyle);
    // Makes list nKind (1 departments, 2 accounts) from the master files in pszFolder, which
    // ends in a backslash, read afresh, and selects the row of nSelect1 (else row 0). Always 1.
    int PullMakeList2(short nKind, ULONG nSelect1, ULONG nSelect2, WORD wStyle, char* pszFolder);
    // The code of the selected row; the row frozen by Enter while the controller handles it.
    ULONG GetCurCode();
    void SetCurCode(ULONG nCode);
    // Fills a CODEDATA at pData for an account code: 1 found, 0 not found, -1 no records or not
    // an account list.
    short GetCodeData(ULONG nCode, void* pData);
    // Frees the cached records of a department or account list: 1, else -1.
    short PullFreeMem();

    CPullRead m_pull;
    UINT m_nItemIndex;
    HWND m_hWndCombo;
    CDlgSb* m_pDlgSb;
    short m_nMaxTyped;
    BOOL m_bInEnter;

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnSelendok();
    // Rebuilds a list made from the master files for the typed text.
    void RemakeList();
    DECLARE_MESSAGE_MAP()

private:
    // Points at a flag of the handler that is running while it hands control to the host,
    // which may delete this object (with the controller) there.
    bool* m_pbAlive = nullptr;

    void DescribeList(short nKind, ULONG nSelect1, ULONG nSelect2, WORD wStyle, WORD bReadFiles);
    void EnterInOpenList();
};
