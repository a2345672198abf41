// A host's windows for tests: recorded top-level windows, a modeless dialog owned by one of them,
// both recorded as "owner" and "dlg", and keys typed into whichever window has the focus.
#pragma once

#include "MessageLog.h"

#include <afxwin.h>

#include <string>

namespace test {

// A visible top-level window of the program, recorded under pszName: its messages go to proc,
// which records them and leaves them to the default handling unless it does more.
HWND CreateHostWindow(const char* pszName, WNDPROC proc = nullptr);

class HostDialog {
public:
    // The dialog is made from template nIDTemplate of hInst, owned by (or, for a child
    // dialog, inside) the owner window unless bOwned is false, and shown; Dialog() is NULL
    // when the template cannot be made into a dialog.
    HostDialog(HINSTANCE hInst, UINT nIDTemplate, bool bOwned = true);
    ~HostDialog();
    HostDialog(const HostDialog&) = delete;
    HostDialog& operator=(const HostDialog&) = delete;

    HWND Owner() const { return m_hwndOwner; }
    HWND Dialog() const { return m_hwndDialog; }
    HWND Item(int nID) const { return GetDlgItem(m_hwndDialog, nID); }
    // The host's own objects of the two windows, as an MFC host has its CDialog: the library
    // keeps them (a temporary object from CWnd::FromHandle would go when the thread is idle).
    CWnd* OwnerWnd() { return &m_ownerWnd; }
    CWnd* DialogWnd() { return &m_dialogWnd; }

private:
    HWND m_hwndOwner;
    HWND m_hwndDialog;
    CWnd m_ownerWnd;
    CWnd m_dialogWnd;
};

// A key pressed and released in the focus window, each message pumped as it comes through the
// loop of dialog hDlg (see PumpDialog).
void TypeKeyInDialog(HWND hDlg, UINT vk, DialogMessageFunction dialogMessage = HostDialogMessage);
// An input method in the focus window composing pszComposed with its reading, then committing
// it as pszResult with the same reading, every message through the loop of dialog hDlg: what a
// user typing Japanese into the field does. False when the focus window's input method is closed.
bool ComposeInDialog(HWND hDlg, const char* pszComposed, const char* pszResult,
                     const char* pszReading);
// Presses or releases Shift on the keyboard and pumps until the thread has seen it (GetKeyState
// follows keyboard input only, which a real Win32 delivers in its own time); false if it did not
// within two seconds.
bool HoldShift(bool bDown);

// A window's text, up to 2047 bytes.
std::string WindowText(HWND hwnd);

// The open state of a window's input method, and whether its conversion mode has dwModeBit;
// opening or closing it as the user does by hand.
bool IsImeOpen(HWND hwnd, DWORD dwModeBit = 0);
void SetImeOpen(HWND hwnd, BOOL bOpen);

HINSTANCE ProgramModule();
HINSTANCE LibraryModule();

} // namespace test
