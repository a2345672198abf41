// The edit field behind an item of the controller, found through the item's kind.
#pragma once

#include "CDlgSb.h"
#include "CEditSub.h"

// The subclassing object of an edit item (KIND_EDIT, KIND_EDITMULTI), which the controller made
// as a CEditSub; nullptr for an item of any other kind.
inline CEditSub* EditItem(const CDlgSb& sb, UINT nIndex) {
    if (nIndex >= sb.m_nCount ||
        (sb.m_pKind[nIndex] != KIND_EDIT && sb.m_pKind[nIndex] != KIND_EDITMULTI))
        return nullptr;
    return static_cast<CEditSub*>(sb.m_ppSub[nIndex]);
}
