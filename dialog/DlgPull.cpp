// CDlgSb: the drop-down lists of the dialog's combo boxes, and the closing of a pull-down list
// reported to the host.
#include "CDlgSb.h"

#include "AliveWatch.h"

// The controller keeps no record of open lists: it asks the combo boxes each time.
BOOL CDlgSb::IsDropDownShown(short nIndex) const {
    return LOWORD(::SendMessageA(m_phWnd[nIndex], CB_GETDROPPEDSTATE, 0, 0)) != 0;
}

void CDlgSb::ShowDropDown(short nIndex, BOOL bShow) {
    ::SendMessageA(m_phWnd[nIndex], CB_SHOWDROPDOWN, bShow, 0);
}

int CDlgSb::CheckPullDown() {
    for (short i = 0; i < static_cast<short>(m_nCount); ++i) {
        if ((m_pKind[i] == KIND_COMBO || m_pKind[i] == KIND_PULLCOMBO) && IsDropDownShown(i)) {
            const AliveWatch watch(m_pbAlive);
            ShowDropDown(i, FALSE); // the host hears the list close
            if (watch.Alive())
                DialogFocus(static_cast<UINT>(i), 0);
            return 1;
        }
    }
    return 0;
}

void CDlgSb::ClosePull(UINT nIndex) {
    if (m_nPullCloseMsg != 0 && nIndex < m_nCount)
        ::SendMessageA(m_pDlg->m_hWnd, m_nPullCloseMsg, m_pID[nIndex], 0);
}
