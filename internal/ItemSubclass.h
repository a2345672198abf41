// What the controller's subclassing objects do alike. Each object's class keeps only its own
// rules: which keys it leaves to the controller, and what a focus gain does besides the report.
#pragma once

#include "AliveWatch.h"
#include "CDlgSb.h"
#include "KeyRoutes.h"

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

// A key of the control read against the key table: the key it hands to the controller (0 when
// the key is the control's own), and whether the control's list was open. A function key is
// handed over before the list is asked.
struct KeyRouting {
    UINT nHandedAs;
    bool bListOpen;
};

inline KeyRouting RouteOf(CWnd* pSub, KeyControl control, UINT nChar) {
    const bool bListOpen = HasList(control) && !IsFunctionKey(nChar) &&
                           LOWORD(pSub->SendMessage(CB_GETDROPPEDSTATE)) != 0;
    return {HandedKey(control, nChar, bListOpen), bListOpen};
}

// The handed key goes to the controller in place of the control; the control handles every
// other key itself.
inline void RouteKey(CWnd* pSub, CDlgSb* pDlgSb, KeyControl control, UINT nChar) {
    const UINT nKey = RouteOf(pSub, control, nChar).nHandedAs;
    if (nKey != 0)
        pDlgSb->DialogKeyDown(nKey);
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
