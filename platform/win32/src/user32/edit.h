// What the edit control's two files share: its state, and how its text divides into lines.
#pragma once

#include <windows.h>

#include <string>

namespace headless {

// Limits in bytes: the initial one, and what a limit of 0 stands for.
constexpr DWORD kInitialLimit = 30000;

struct EditState {
    HWND self = nullptr;
    // The window it was made with as its parent, which it reports to (an owner, for an edit
    // that is no child); without one it reports to nobody.
    HWND hwndNotify = nullptr;
    size_t nAnchor = 0; // where the selection started
    size_t nCaret = 0;  // the other end of the selection, where the caret is
    DWORD dwLimit = kInitialLimit;
    BYTE chPendingLead = 0; // the lead byte of a double-byte character typed in two WM_CHARs
    HFONT hFont = nullptr;
    // WS_BORDER, which the edit draws inside its client area and takes out of its style.
    bool bBorder = false;
    WORD wLeftMargin = 0;
    WORD wRightMargin = 0;
    // A dialog manager asked for the dialog code with a key message: from then on Enter goes to
    // the dialog's default button, and a multi-line edit leaves Tab and Escape to its dialog, as
    // Wine's does.
    bool bDialogMode = false;
};

bool IsMultiLine(HWND hwnd);
// The start and the end (before its line break) of the line that holds byte nPos.
size_t LineStart(const std::string& text, size_t nPos);
size_t LineEnd(const std::string& text, size_t nPos);

// Where the text stands (editlayout.cpp): the format rectangle (EM_GETRECT), the margins, the
// positions of characters and the characters at positions, and the text drawn there.
LRESULT OnGetRect(const EditState& state, LPARAM lpRect);
LRESULT OnSetMargins(EditState* pState, WPARAM wFlags, LPARAM lMargins);
// WM_SETFONT's margins: those the font gives, when it gives any.
void SetFontMargins(EditState* pState);
LRESULT OnPosFromChar(const EditState& state, WPARAM wIndex);
LRESULT OnCharFromPos(const EditState& state, LPARAM lPoint);
LRESULT OnPaint(const EditState& state, HDC hdcGiven);

} // namespace headless
