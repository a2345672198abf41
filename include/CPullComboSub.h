// CPullComboSub: a combo box of code/name rows that the user picks by code.
#pragma once

#include <afxwin.h>

class CDlgSb;

class AFX_EXT_CLASS CPullComboSub : public CComboBox {
public:
    CPullComboSub();
    ~CPullComboSub() override;

    // Attaches the object to the combo box's window; 1 on success.
    int Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex);

    UINT m_nItemIndex;
    HWND m_hWndCombo;
    CDlgSb* m_pDlgSb;
    short m_nMaxTyped;
    BOOL m_bInEnter;
};
