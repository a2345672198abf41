// CDlgSb: moving the focus item with the navigation keys.
#include "CDlgSb.h"

#include "AliveWatch.h"
#include "ItemSubclass.h"

void CDlgSb::SetPushStyle(short nIndex, UINT nStyle) {
    ::SendMessageA(m_phWnd[nIndex], BM_SETSTYLE, nStyle, TRUE);
}

void CDlgSb::PostToDialog(UINT nMessage) {
    ::PostMessageA(m_pDlg->m_hWnd, nMessage, 0, 0);
}

// The dialog's owner, or its parent when it has none; nothing is posted without either.
void CDlgSb::PostToOwner(UINT nMessage) {
    HWND hOwner = ::GetWindow(m_pDlg->m_hWnd, GW_OWNER);
    if (hOwner == nullptr)
        hOwner = ::GetParent(m_pDlg->m_hWnd);
    if (hOwner != nullptr)
        ::PostMessageA(hOwner, nMessage, 0, 0);
}

// When no item is enabled the steps would go round the dialog for ever. One step per item is
// enough to reach any other enabled item, whatever the first step did (Enter turned into Down,
// a radio group left as a whole); after that the key gives up, having passed each end of the
// dialog once, and the focus item stays where it was.
int CDlgSb::DialogKeyDown(UINT nChar) {
    if (m_nCount == 0)
        return 1;
    BOOL bPlaceFocus = TRUE;
    if (nChar != VK_ESCAPE && m_pKind[m_nFocus] == KIND_PUSH)
        SetPushStyle(static_cast<short>(m_nFocus), BS_PUSHBUTTON);
    if (nChar == VK_RETURN && m_pKind[m_nFocus] == KIND_EDIT5000)
        bPlaceFocus = FALSE;
    const int nStart = m_nFocus;
    UINT nKey = nChar;
    BOOL bDone = FALSE;
    int nResult = 1;
    // The host hears of the function key, the lists and the focus, and may close the dialog there.
    const AliveWatch watch(m_pbAlive);
    for (UINT nSteps = 0; !bDone; ++nSteps) {
        if (nSteps >= m_nCount) {
            m_nFocus = nStart;
            nResult = 1;
            break;
        }
        nResult = NavigateKey(&nKey, &bDone);
        if (!watch.Alive())
            return nResult;
    }
    m_bInKeyDown = 1;
    if (nKey != VK_ESCAPE && m_pKind[m_nFocus] == KIND_PUSH)
        SetPushStyle(static_cast<short>(m_nFocus), BS_DEFPUSHBUTTON);
    if (bPlaceFocus) {
        ::SetFocus(m_phWnd[m_nFocus]);
        if (!watch.Alive())
            return nResult;
    }
    m_bInKeyDown = 0;
    return nResult;
}

// One step of a key on the focus item. A step may change the key (Enter becomes Down) and say
// that it is not done, and the next step then works with the changed key.
int CDlgSb::NavigateKey(UINT* pnChar, BOOL* pbDone) {
    *pbDone = TRUE;
    const BYTE kind = m_pKind[m_nFocus];
    if (item::IsFunctionKey(*pnChar)) {
        ::SendMessageA(m_pDlg->m_hWnd, m_nFuncKeyMsg, *pnChar, 0);
        return 1;
    }
    switch (*pnChar) {
    case VK_RETURN:
        switch (kind) {
        case KIND_CHECK:
        case KIND_EDIT:
        case KIND_LIST:
        case KIND_EDIT6000:
            *pnChar = VK_DOWN;
            *pbDone = FALSE;
            return 0;
        case KIND_RADIO:
            return SelectAndAdvance(pnChar, pbDone);
        case KIND_COMBO:
        case KIND_PULLCOMBO:
            return OpenOrCloseDropDown(pnChar, pbDone);
        }
        return 1;
    case VK_ESCAPE:
        if ((kind == KIND_COMBO || kind == KIND_PULLCOMBO) &&
            IsDropDownShown(static_cast<short>(m_nFocus))) {
            ShowDropDown(static_cast<short>(m_nFocus), FALSE);
            return 0;
        }
        return 1;
    case VK_LEFT:
    case VK_RIGHT:
        if (kind == KIND_LIST) {
            *pnChar = *pnChar == VK_LEFT ? VK_UP : VK_DOWN;
            *pbDone = FALSE;
        }
        return 1;
    case VK_UP:
        return Previous(pbDone);
    case VK_DOWN:
        return Next(pbDone);
    }
    return 1;
}

// Past the first or last item the focus either stays while the owner hears of the edge, or
// wraps round, announced to the dialog when the host asked for it. False when it stays.
bool CDlgSb::WrapPastEnd(bool bForward) {
    if (m_bEdgeNotify) {
        PostToOwner(bForward ? WM_DLGSB_LEAVEBOTTOM : WM_DLGSB_LEAVETOP);
        return false;
    }
    if (m_bWrapNotify)
        PostToDialog(bForward ? WM_DLGSB_WRAPTOP : WM_DLGSB_WRAPBOTTOM);
    m_nFocus = bForward ? 0 : static_cast<int>(m_nCount) - 1;
    return true;
}

int CDlgSb::Previous(BOOL* pbDone) {
    if (m_nFocus != 0)
        --m_nFocus;
    else if (!WrapPastEnd(false))
        return 1;
    *pbDone = IsEnabled(static_cast<short>(m_nFocus));
    return 1;
}

int CDlgSb::Next(BOOL* pbDone) {
    if (m_nFocus != static_cast<int>(m_nCount) - 1)
        ++m_nFocus;
    else if (!WrapPastEnd(true))
        return 1;
    *pbDone = IsEnabled(static_cast<short>(m_nFocus));
    return 1;
}

// Enter on a radio button checks it and leaves its group as a whole, for the checked button of
// the group that follows when there is one.
int CDlgSb::SelectAndAdvance(UINT* pnChar, BOOL* pbDone) {
    const short nGroup = m_pGroup[m_nFocus];
    CheckInGroup(static_cast<short>(m_nFocus));
    if (nGroup == -1)
        return 1;
    short nNext = static_cast<short>(m_nFocus); // the focus item is of its own group
    while (nNext < static_cast<short>(m_nCount) && m_pGroup[nNext] == nGroup)
        ++nNext;
    if (nNext < static_cast<short>(m_nCount))
        m_nFocus = nNext;
    else if (!WrapPastEnd(true))
        return 1;
    const short nNewGroup = m_pGroup[m_nFocus];
    if (nNewGroup != -1) {
        for (short i = static_cast<short>(m_nFocus); i < static_cast<short>(m_nCount); ++i) {
            if (m_pGroup[i] == nNewGroup && IsChecked(i)) {
                m_nFocus = i;
                break;
            }
        }
    }
    if (IsEnabled(static_cast<short>(m_nFocus)))
        return 1;
    *pnChar = VK_DOWN;
    *pbDone = FALSE;
    return 0;
}

// Enter on a combo box opens its list; on an open list it closes it and moves on like Down.
int CDlgSb::OpenOrCloseDropDown(UINT* pnChar, BOOL* pbDone) {
    const short nItem = static_cast<short>(m_nFocus);
    if (!IsDropDownShown(nItem)) {
        ShowDropDown(nItem, TRUE);
        return 1;
    }
    ShowDropDown(nItem, FALSE);
    *pnChar = VK_DOWN;
    *pbDone = FALSE;
    return 0;
}
