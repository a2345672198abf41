// CDlgSb: the focus item: where the dialog is entered, what a focus report does, and the
// host's queries and settings of it.
#include "CDlgSb.h"

namespace {

// "ﾌﾟﾛｸﾞﾗﾑﾐｽ\nｵｰﾄﾗｼﾞｵﾎﾞﾀﾝにON項目が設定されていません。" (program error: no button of the
// automatic radio group is checked)
const char kNoCheckedRadioMessage[] =
    "\xcc\xdf\xdb\xb8\xde\xd7\xd1\xd0\xbd\x0a\xb5\xb0\xc4\xd7\xbc\xde\xb5\xce\xde\xc0\xdd\x82\xc9"
    "ON\x8d\x80\x96\xda\x82\xaa\x90\xdd\x92\xe8\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9"
    "\x82\xf1\x81\x42";

// Results of a walk over a radio group that found no checked button.
constexpr short kGroupUnchecked = -1;
constexpr short kEndOfItems = -2;

} // namespace

void CDlgSb::ReportProgramError() {
    AfxMessageBox(kNoCheckedRadioMessage, MB_OK);
}

BOOL CDlgSb::IsEnabled(short nIndex) const {
    return ::IsWindowEnabled(m_phWnd[nIndex]);
}

// Indeterminate counts as checked; the state is read as a signed 16-bit value.
BOOL CDlgSb::IsChecked(short nIndex) const {
    return static_cast<short>(::SendMessageA(m_phWnd[nIndex], BM_GETCHECK, 0, 0)) > 0;
}

short CDlgSb::FirstEnabledFrom(short nStart) const {
    for (short i = nStart; i < static_cast<short>(m_nCount); ++i) {
        if (IsEnabled(i))
            return i;
    }
    return -1;
}

// From nStart upward: the first checked item, or kGroupUnchecked when an item of another
// group comes first, or kEndOfItems when the items end first.
short CDlgSb::WalkRadioGroup(short nStart) const {
    const short nGroup = m_pGroup[nStart];
    for (short i = nStart; i < static_cast<short>(m_nCount); ++i) {
        if (m_pGroup[i] != nGroup)
            return kGroupUnchecked;
        if (IsChecked(i))
            return i;
    }
    return kEndOfItems;
}

// The walk starts at the first item of the focus item's own group. Init's focus item is item
// 0, where that is the start of the table; a host that calls this with the focus on a later
// group has that group checked rather than the one at the top of the dialog.
int CDlgSb::ResetFocusPos() {
    if (m_nCount == 0)
        return 0;
    if (m_pKind[m_nFocus] == KIND_RADIO && m_pGroup[m_nFocus] != -1) {
        short nFirst = 0;
        while (m_pGroup[nFirst] != m_pGroup[m_nFocus])
            ++nFirst;
        const short nChecked = WalkRadioGroup(nFirst);
        if (nChecked == kGroupUnchecked) {
            ReportProgramError();
            return 0;
        }
        m_nFocus = nChecked == kEndOfItems ? nFirst : nChecked;
    }
    // With no enabled item at or after the focus item, an earlier one will do; with none at
    // all the focus item stays and the keyboard focus is left where it is.
    short nTarget = FirstEnabledFrom(static_cast<short>(m_nFocus));
    if (nTarget < 0)
        nTarget = FirstEnabledFrom(0);
    if (nTarget < 0)
        return 1;
    m_nFocus = nTarget;
    ::SetFocus(m_phWnd[m_nFocus]);
    return 1;
}

// Every change of a check state is announced to the host, whether or not the state changed.
void CDlgSb::SetCheck(short nIndex, int nCheck) {
    ::SendMessageA(m_phWnd[nIndex], BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
    if (m_nCheckMsg != 0)
        ::PostMessageA(m_pDlg->m_hWnd, m_nCheckMsg, m_pID[nIndex], 0);
}

// Checks the item and clears every other item of its group, in index order.
void CDlgSb::CheckInGroup(short nIndex) {
    SetCheck(nIndex, BST_CHECKED);
    const short nGroup = m_pGroup[nIndex];
    if (nGroup == -1)
        return;
    for (short i = 0; i < static_cast<short>(m_nCount); ++i) {
        if (i != nIndex && m_pGroup[i] == nGroup)
            SetCheck(i, BST_UNCHECKED);
    }
}

// Only items report. Tab and Shift+Tab, which every item leaves to the dialog manager, and the
// arrows on a control that is no item move the focus as Win32's IsDialogMessage does, onto
// controls the controller does not take as well (a host's own field, a list view): the focus
// item then stays the item that was left, as for a field the host keeps, until an item gains
// the focus again. While DialogKeyDown places the focus, the report only records where it went.
void CDlgSb::DialogFocus(UINT nIndex, short bNoAction) {
    if (nIndex >= m_nCount)
        return;
    m_nFocus = static_cast<int>(nIndex);
    if (bNoAction || m_bInKeyDown)
        return;
    const short nItem = static_cast<short>(nIndex);
    if (m_pKind[nItem] == KIND_RADIO)
        CheckInGroup(nItem);
    else if (m_pKind[nItem] == KIND_CHECK)
        SetCheck(nItem, BST_CHECKED);
}

// The ID to look for is a signed 16-bit value, so an ID above 32767 matches nothing.
void CDlgSb::SetFocusID(short nID) {
    for (short i = 0; i < static_cast<short>(m_nCount); ++i) {
        if (static_cast<int>(m_pID[i]) == nID) {
            m_nFocus = i;
            return;
        }
    }
}

int CDlgSb::CheckNextEnableItem(short* pnID) {
    *pnID = 0;
    const short nNext = FirstEnabledFrom(static_cast<short>(m_nFocus + 1));
    if (nNext < 0) // mutants: skip (nNext is -1 or an index after the focus item, never 0)
        return 0;
    *pnID = static_cast<short>(m_pID[nNext]);
    return 1;
}

int CDlgSb::CheckPageEnableItem(short* pnID) {
    *pnID = 0;
    const short nFirst = FirstEnabledFrom(0);
    if (nFirst < 0)
        return 0;
    short nEntry = nFirst;
    if (m_pKind[nFirst] == KIND_RADIO && m_pGroup[nFirst] != -1) {
        const short nChecked = WalkRadioGroup(nFirst);
        if (nChecked == kGroupUnchecked) {
            ReportProgramError();
            return 0;
        }
        if (nChecked != kEndOfItems)
            nEntry = nChecked;
    }
    *pnID = static_cast<short>(m_pID[nEntry]);
    return 1;
}
