// The parts the host's entry fields share.
#include "EntryField.h"

#include "AliveWatch.h"
#include "CFep.h"

namespace entry {

BOOL CreateField(CEdit* pField, DWORD dwExStyle, DWORD dwStyle, LPCSTR pszTitle, CWnd* pParent,
                 short nID, CFont* pFont) {
    const HMENU hID = reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID));
    if (pParent == nullptr ||
        !pField->CreateEx(dwExStyle, "EDIT", pszTitle, dwStyle, 0, 0, 50, 10, pParent->m_hWnd, hID))
        return FALSE;
    pField->SetFont(pFont, TRUE);
    return TRUE;
}

void Notify(CWnd* pTo, short nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg != 0 && pTo != nullptr)
        ::SendMessageA(pTo->m_hWnd, static_cast<WORD>(nMsg), wParam, lParam);
}

bool IsNumberCharacter(UINT nChar) {
    return (nChar >= '0' && nChar <= '9') || nChar == '.' || nChar == '-' || nChar == ',' ||
           nChar == VK_BACK;
}

// The flag is cleared after the message, so that the host's handler still finds the change
// with GetData.
bool NotifyChange(bool*& rpAlive, BOOL& bChanged, CWnd* pOwner, short nChangeMsg) {
    if (bChanged != 1 || nChangeMsg == 0)
        return true;
    if (!CallSurvives(rpAlive, [&] { Notify(pOwner, nChangeMsg); }))
        return false;
    bChanged = FALSE;
    return true;
}

// A switch on the stack closes the input method as a short-lived one on the heap would, with
// no allocation that could fail.
void CloseImeOf(CWnd* pWnd) {
    CFep fep;
    fep.FepAbsOff(pWnd);
}

void KeyUp(CWnd* pField, bool*& rpAlive, CWnd* pOwner, short nShiftMsg, UINT nChar) {
    if (nChar != VK_SHIFT || CallSurvives(rpAlive, [&] { Notify(pOwner, nShiftMsg); }))
        pField->Default();
}

void RButtonDown(CWnd* pField, bool*& rpAlive, CWnd* pOwner, short nRButtonMsg, UINT nFlags,
                 CPoint point) {
    if (nFlags & MK_RBUTTON) {
        POINT ptField = {0, 0}, ptParent = {0, 0};
        ::ClientToScreen(pField->m_hWnd, &ptField);
        ::ClientToScreen(::GetParent(pField->m_hWnd), &ptParent);
        POINT pt = {point.x + ptField.x - ptParent.x, point.y + ptField.y - ptParent.y};
        if (!CallSurvives(rpAlive,
                          [&] { Notify(pOwner, nRButtonMsg, 0, reinterpret_cast<LPARAM>(&pt)); }))
            return;
    }
    pField->Default();
}

} // namespace entry
