// CPullDown: a free-standing pull-down list that the host creates in code as a child of any
// window. Host-chosen keys close it and are reported to a notify window, as are the release of
// Shift, right clicks and the loss of the focus.
#pragma once

#include "CPullRead.h"

class AFX_EXT_CLASS CPullDown : public CComboBox {
public:
    CPullDown();
    // Destroys the window, whose messages no longer reach this object's handlers.
    ~CPullDown() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    // Creates the drop-down list combo box (ID 529) at (0, 0, 100, 100) in pParent, which is
    // also the notify window in the first form; 1 on success, 0 when no window was made. The
    // nKeys codes at pKeys stay the host's and must outlive the window. A message number 0
    // sends nothing.
    int PullInit(CWnd* pParent, CFont* pFont, short nKeyMsg, short* pKeys, short nKeys,
                 short nShiftUpMsg, short nRButtonMsg, short nKillFocusMsg);
    int PullInit(CWnd* pParent, CWnd* pNotify, CFont* pFont, short nKeyMsg, short* pKeys,
                 short nKeys, short nShiftUpMsg, short nRButtonMsg, short nKillFocusMsg);
    // Makes the control an empty multi-column list whose drop-down list is nWidth9x (Windows
    // 95/98) or nWidthNT (NT family) characters wide, as is every other such list of the
    // process. Always 1.
    int PullMakeMulti(short nWidth9x, short nWidthNT);

    CPullRead m_pull;
    CFont* m_pFont;
    short* m_pKeys;
    short m_nKeys;
    CWnd* m_pParent;
    short m_nKeyMsg;
    short m_nShiftUpMsg;
    short m_nRButtonMsg;
    short m_nKillFocusMsg;
    int m_bVer310;
    CWnd* m_pNotify;

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnPullToggle();
    DECLARE_MESSAGE_MAP()

private:
    // Points at a flag of the handler that is running while it hands control to the host,
    // which may delete this object there.
    bool* m_pbAlive = nullptr;

    // Sends a host-numbered message (sign-extended) to the notify window; false when the host
    // deleted this object meanwhile.
    bool Notify(short nMsg, WPARAM wParam, LPARAM lParam);
    // Hides the list; false when the host deleted this object meanwhile.
    bool HideList();
    int TextHeight();
};
