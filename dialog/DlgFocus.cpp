// CDlgSb: placing the focus on the item where the dialog is entered.
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
            AfxMessageBox(kNoCheckedRadioMessage, MB_OK);
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
