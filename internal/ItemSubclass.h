// What the controller's subclassing objects do alike. Each object's class keeps only its own
// rules: which keys it leaves to the controller, and what a focus gain does besides the report.
#pragma once

#include "AliveWatch.h"
#include "CDlgSb.h"

// Function keys go to the controller, and through it to the host, from every item.
inline bool IsFunctionKey(UINT nChar) {
    return nChar >= VK_F1 && nChar <= VK_F24;
}

namespace item {

// The fields in which an object keeps its controller, its item's window and the item's index.
struct ItemFields {
    CDlgSb*& pDlgSb;
    HWND& hWnd;
    UINT& nIndex;
};

// What every Init does: the object keeps the controller, the window and the index, then
// subclasses the window; 1 on success.
inline int Subclass(CWnd* pSub, ItemFields fields, CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    fields.pDlgSb = pDlgSb;
    fields.hWnd = hWnd;
    fields.nIndex = nIndex;
    return pSub->SubclassWindow(hWnd) ? 1 : 0;
}

// A function key, or a key the object's rule leaves to the controller (bRuleKey), goes to the
// controller in place of the control; the control handles every other key itself.
inline void RouteKey(CWnd* pSub, CDlgSb* pDlgSb, UINT nChar, bool bRuleKey) {
    if (IsFunctionKey(nChar) || bRuleKey)
        pDlgSb->DialogKeyDown(nChar);
    else
        pSub->Default();
}

// The control takes the focus its own way first, telling the host, which may close the dialog
// there; then the controller hears of it. False when the object (rpbAlive its slot) is gone.
inline bool ReportFocus(CWnd* pSub, bool*& rpbAlive, CDlgSb* pDlgSb, UINT nIndex) {
    return CallSurvives(rpbAlive, [pSub] { pSub->Default(); }) &&
           CallSurvives(rpbAlive, [pDlgSb, nIndex] { pDlgSb->DialogFocus(nIndex, 0); });
}

// The dialog manager leaves the arrow keys to an item, which hands them to the controller.
constexpr UINT kDialogCode = DLGC_WANTARROWS;

} // namespace item
