// What the entry fields do alike: the host's fields (CEditNum, CEditStr) their window, the
// host's messages, the exit keys, Shift and the right button; every field the closing of an
// input method.
#pragma once

#include "HostKeys.h"

#include <afxwin.h>

namespace entry {

// The field's window: class "EDIT", hidden, 50 by 10 at the parent's origin, without a tab
// stop (the host places and shows it), control ID nID sign-extended, font pFont (none when
// NULL). FALSE when no window was made.
BOOL CreateField(CEdit* pField, DWORD dwExStyle, DWORD dwStyle, LPCSTR pszTitle, CWnd* pParent,
                 short nID, CFont* pFont);

// Sends the host's message nMsg (none when 0) to pTo. The host chooses numbers up to 0xFFFF
// (WM_APP and above among them), which a short holds as negative values: the number is read
// as 16 bits unsigned.
void Notify(CWnd* pTo, short nMsg, WPARAM wParam = 0, LPARAM lParam = 0);

// The characters a number field takes: digits, sign, comma, point and Backspace. A double-byte
// character's bytes are none of them.
bool IsNumberCharacter(UINT nChar);

// After a commit that changed the bound value (bChanged 1), sends nChangeMsg and clears
// bChanged; without a message the flag stays set. False when the host deleted the field
// (whose slot is rpAlive) meanwhile.
bool NotifyChange(bool*& rpAlive, BOOL& bChanged, CWnd* pOwner, short nChangeMsg);

// Closes the window's input method, whoever opened it.
void CloseImeOf(CWnd* pWnd);

// The key and mouse handlers the host's fields share. An exit key commits the text (commit is
// false when the host deleted the field) and sends nKeyMsg in place of reaching the edit; every
// other key reaches it.
template <typename TCommit>
void KeyDown(CWnd* pField, const short* pKeyTable, short nKeyCount, CWnd* pOwner, short nKeyMsg,
             UINT nChar, TCommit commit) {
    if (!IsHostKey(pKeyTable, nKeyCount, nChar))
        pField->Default();
    else if (commit())
        Notify(pOwner, nKeyMsg, nChar);
}
// A Shift key-up sends nShiftMsg; a right-button press, nRButtonMsg with the address of the
// click point in the client coordinates of the field's parent. The edit then sees the key or
// the click, unless the host deleted the field (whose slot is rpAlive) meanwhile.
void KeyUp(CWnd* pField, bool*& rpAlive, CWnd* pOwner, short nShiftMsg, UINT nChar);
void RButtonDown(CWnd* pField, bool*& rpAlive, CWnd* pOwner, short nRButtonMsg, UINT nFlags,
                 CPoint point);

} // namespace entry
