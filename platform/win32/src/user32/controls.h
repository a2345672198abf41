// What the standard controls share: their class registration, the state each one keeps behind
// its window, the parent it reports to, and the font and colours it paints with.
#pragma once

#include "window.h"

#include <string>

namespace headless {

// A global class owned by user32, with room in each window for the control's state pointer.
void RegisterControlClass(const char* pszName, WNDPROC proc, UINT style);

// A control's state lives with its window from WM_NCCREATE to WM_NCDESTROY, marked with the
// kind of control it belongs to, so that a control's procedure called for another control's
// window (a host's subclassing mistake) finds no state rather than the wrong one.
template <typename T>
const void* ControlKind() {
    static const char kKind = 0;
    return &kKind;
}
void* ControlStateOfKind(HWND hwnd, const void* pKind);
template <typename T>
T* ControlState(HWND hwnd) {
    return static_cast<T*>(ControlStateOfKind(hwnd, ControlKind<T>()));
}
// False when the window has the state of a control already.
bool AttachControlState(HWND hwnd, void* pState, const void* pKind);
void DetachControlState(HWND hwnd);

// The window procedure of a control class. Each control keeps its state in a struct that names
// its window (self) and the font it paints with, as Wine's list box does. The state is made at
// WM_NCCREATE (creation fails without memory), where NcCreate, when the control has one, finishes
// the window's creation; Dispatch has every later message but WM_GETFONT, WM_NCDESTROY included,
// and the state goes after WM_NCDESTROY. A message before or after goes to DefWindowProc.
template <typename TState, LRESULT (*Dispatch)(TState*, UINT, WPARAM, LPARAM),
          LRESULT (*NcCreate)(HWND, LPARAM) = nullptr>
LRESULT CALLBACK ControlProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    TState* pState = ControlState<TState>(hwnd);
    if (pState == nullptr && uMsg == WM_NCCREATE) {
        if (!GrowStorage([&] { pState = new TState; }))
            return FALSE;
        pState->self = hwnd;
        if (!AttachControlState(hwnd, pState, ControlKind<TState>())) {
            delete pState;
            return DefWindowProcA(hwnd, uMsg, wParam, lParam);
        }
        if constexpr (NcCreate != nullptr)
            return NcCreate(hwnd, lParam);
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    }
    if (pState == nullptr)
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    if (uMsg == WM_GETFONT)
        return reinterpret_cast<LRESULT>(pState->hFont);
    const LRESULT lResult = Dispatch(pState, uMsg, wParam, lParam);
    if (uMsg == WM_NCDESTROY) {
        DetachControlState(hwnd);
        delete pState;
    }
    return lResult;
}

// WM_SETFONT: the font the control paints with from now on, shown at once when asked.
template <typename T>
void SetControlFont(HWND hwnd, T* pState, WPARAM wFont, LPARAM bRedraw) {
    pState->hFont = reinterpret_cast<HFONT>(wFont);
    if (bRedraw)
        InvalidateRect(hwnd, nullptr, TRUE);
}

// Controls report to their parent, or to themselves when they have none, as Windows' do; the
// list of a combo box reports to the combo box.
HWND NotifyTarget(HWND hwnd);
void NotifyParent(HWND hwnd, WORD wCode);
void NotifyOwner(HWND hwndOwner, HWND hwnd, WORD wCode);

// The brush the owner (or parent) answers WM_CTLCOLORxxx with, after it prepared the DC's
// colours.
HBRUSH OwnerBrush(HWND hwndOwner, HWND hwnd, HDC hdc, UINT uCtlColor);
HBRUSH ParentBrush(HWND hwnd, HDC hdc, UINT uCtlColor);

// A control changes its own style bits without WM_STYLECHANGING, as Windows' controls do.
void ChangeOwnStyle(HWND hwnd, DWORD dwSet, DWORD dwClear);
DWORD StyleOf(HWND hwnd);
const std::string& TextOf(HWND hwnd);

// BeginPaint (or the DC given with WM_PAINT) with the control's font selected for its life.
class ControlPaint {
public:
    ControlPaint(HWND hwnd, HDC hdcGiven, HFONT hFont);
    ~ControlPaint();
    ControlPaint(const ControlPaint&) = delete;
    ControlPaint& operator=(const ControlPaint&) = delete;

    HDC Dc() const { return m_hdc; }
    RECT Client() const;

private:
    HWND m_hwnd;
    bool m_bOwnDc;
    PAINTSTRUCT m_ps;
    HDC m_hdc;
    HGDIOBJ m_hOldFont;
};

// A DC of the control outside WM_PAINT, with the control's font selected, for controls that
// draw at once (owner-drawn items and buttons).
class ControlDc {
public:
    ControlDc(HWND hwnd, HFONT hFont);
    ~ControlDc();
    ControlDc(const ControlDc&) = delete;
    ControlDc& operator=(const ControlDc&) = delete;

    HDC Dc() const { return m_hdc; }

private:
    HWND m_hwnd;
    HDC m_hdc;
    HGDIOBJ m_hOldFont;
};

// The height of the font's characters in the control's DC; -1 when there is no memory for the
// DC.
int FontHeight(HWND hwnd, HFONT hFont);

// The edit of a combo box carries Windows' internal style ES_COMBO and leaves the combo box the
// keys that work its list: F4, Up and Down, Alt with Up or Down, and the characters of Enter and
// Escape while the list is open. ComboTakesKey is true when the combo box took the message;
// ComboWantsDialogKey when a dialog must leave the key message to the edit.
constexpr DWORD kEsCombo = 0x0200;
bool ComboTakesKey(HWND hwndEdit, UINT uMsg, WPARAM wKey, LPARAM lParam);
bool ComboWantsDialogKey(HWND hwndEdit, const MSG* pMsg);

} // namespace headless
