// What the two pull-down controls do alike: drawing an owner-drawn row through their store and
// measuring their font.
#include "PullItem.h"

#include "FontMetrics.h"

void DrawPullItem(CPullBase& store, const DRAWITEMSTRUCT* pDrawItem, CFont* pFont) {
    if (pDrawItem->CtlType != ODT_COMBOBOX)
        return;
    const bool bFocusDrawn = (pDrawItem->itemAction & (ODA_DRAWENTIRE | ODA_FOCUS)) != 0 &&
                             (pDrawItem->itemState & ODS_FOCUS) != 0;
    const BOOL bSelected = bFocusDrawn || (pDrawItem->itemState & ODS_SELECTED) != 0;
    store.DrawRow(CDC::FromHandle(pDrawItem->hDC), pDrawItem->itemID, pDrawItem->rcItem, bSelected,
                  pFont);
}

int PullTextHeight(CWnd* pWnd, CFont* pFont) {
    TEXTMETRICA tm = {};
    return MeasureWindowFont(pWnd->m_hWnd, pFont, &tm) ? tm.tmHeight : 0;
}
