// CDlgSb: the input method settings of the dialog's edits, given by control ID.
#include "CDlgSb.h"

#include "EditItem.h"

namespace {

// The first item with that control ID whose kind is one of kinds; -1 for none.
template <size_t N>
int FindItem(const CDlgSb& sb, UINT nID, const BYTE (&kinds)[N]) {
    for (UINT i = 0; i < sb.m_nCount; ++i) {
        if (sb.m_pID[i] != nID)
            continue;
        for (BYTE kind : kinds) {
            if (sb.m_pKind[i] == kind)
                return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

// Items that have a subclassing object and an enabled window, from the first item up to the
// first with control ID nID (all items when none has it).
short CDlgSb::EnabledItemsUpTo(UINT nID) const {
    short n = 0;
    for (UINT i = 0; i < m_nCount; ++i) {
        if (m_ppSub[i] != nullptr && IsEnabled(static_cast<short>(i)))
            ++n;
        if (m_pID[i] == nID)
            break;
    }
    return n;
}

// A field the host keeps (KIND_EDIT5000) has no object to store the setting in: the result is
// 0, as for any setting that was not stored. Only the dialog's first field has the focus
// already, from Init; on a sheet page even that one waits until the page is entered.
int CDlgSb::SetFep(UINT nID, UINT nKanaID, short nFepParam1, short nFepParam2, short bKana,
                   short bSheet) {
    if (m_ppSub == nullptr)
        return 0;
    CWnd* pKanaWnd = nullptr;
    if (nKanaID != 0) {
        const int nKana = FindItem(*this, nKanaID, {KIND_EDIT, KIND_EDITMULTI});
        if (nKana < 0 || (pKanaWnd = m_ppSub[nKana]) == nullptr)
            return 0;
    }
    const int nTarget = FindItem(*this, nID, {KIND_EDIT, KIND_EDITMULTI, KIND_EDIT5000});
    CEditSub* pEdit = nTarget >= 0 ? EditItem(*this, static_cast<UINT>(nTarget)) : nullptr;
    if (pEdit == nullptr)
        return 0;
    const short bApplyNow = EnabledItemsUpTo(nID) == 1 && bSheet == 0 ? 1 : 0;
    return pEdit->SetFep(bApplyNow, nFepParam1, nFepParam2, bKana, pKanaWnd);
}

int CDlgSb::SetKana(UINT nID, short nFepParam1, short nFepParam2) {
    return SetFep(nID, 0, nFepParam1, nFepParam2, 1, 0);
}

int CDlgSb::SetFepSheet(short bSheet, UINT nID, UINT nKanaID, short nFepParam1, short nFepParam2,
                        short bKana) {
    return SetFep(nID, nKanaID, nFepParam1, nFepParam2, bKana, bSheet);
}

int CDlgSb::SetKanaSheet(short bSheet, UINT nID, short nFepParam1, short nFepParam2) {
    return SetFepSheet(bSheet, nID, 0, nFepParam1, nFepParam2, 1);
}
