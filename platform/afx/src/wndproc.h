// The framework's window procedure and what it keeps while it routes a message.
#pragma once

#include "afxwin.h"

namespace afx {

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// While the framework routes a message to an object, its handlers may hold temporary objects:
// the temporary maps stay locked, so that a message loop run inside a handler deletes none.
class TempMapsLocked {
public:
    TempMapsLocked() { AfxLockTempMaps(); }
    ~TempMapsLocked() { AfxUnlockTempMaps(FALSE); }
    TempMapsLocked(const TempMapsLocked&) = delete;
    TempMapsLocked& operator=(const TempMapsLocked&) = delete;
};

// The message the framework is routing now, which CWnd::Default hands on.
const MSG& CurrentMessage();
// An object's destructor: the routing of its messages in progress touches it no more.
void ObjectGone(const CWnd* pWnd);
// False once a handler of the message being routed to pWnd deleted it.
bool RoutedObjectAlive(const CWnd* pWnd);

// The windows the framework's procedure subclasses. RecordSubclass (false without memory) comes
// first, for a window no object holds; EndSubclass once the window has its procedure back or
// goes. A window whose object went away while a later subclass still calls the framework's
// procedure is an orphan: its messages go on to the procedure the object had replaced, until
// another object takes its place over the framework's procedure.
bool RecordSubclass(HWND hWnd, WNDPROC pfnSuper);
void EndSubclass(HWND hWnd);
// Whether an object's messages come through the framework's procedure: a window made by
// CreateEx or taken by SubclassWindow, whose object has not gone.
bool IsSubclassed(HWND hWnd);
void AddOrphan(HWND hWnd);
bool HasOrphan(HWND hWnd);
WNDPROC TakeOrphan(HWND hWnd);

// Parents that are not framework windows reflect their children's notifications through a
// subclass of their own; framework windows do it in CWnd::OnWndMsg. False, with the parent
// left as it was, without memory for the parent's record.
bool HookParentForReflection(HWND hWndParent);
bool ReflectToChild(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

} // namespace afx
