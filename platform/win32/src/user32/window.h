// The window manager's own view of windows and classes, shared by the USER32 files.
//
// No exception leaves a Win32 function of this system. Whatever grows for a caller (a window, its
// text, properties and children, a class, a posted message, a dialog read from its template, and
// in the other files a GDI object, an input context, a list item, a memory block) grows through
// GrowStorage, and the function then fails as Win32 does, with ERROR_NOT_ENOUGH_MEMORY.
#pragma once

#include "memory.h"

#include <windows.h>

#include <map>
#include <memory>
#include <memory_resource>
#include <string>
#include <unordered_map>
#include <vector>

namespace headless {

struct WindowClass {
    std::string name;
    ATOM atom;
    UINT style;
    WNDPROC proc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    std::string menuName;
    LPCSTR lpszMenuName; // the copy in menuName, or an integer resource
    bool bGlobal;        // a system class, or registered with CS_GLOBALCLASS
    int nWindows;
};

// What the dialog manager keeps for a window made from a dialog template.
struct DialogInfo {
    HFONT hFont = nullptr;
    bool bOwnFont = false;
    int xBaseUnit = 0;
    int yBaseUnit = 0;
    HWND hwndFocus = nullptr; // the control that gets the focus back when the dialog does
    UINT defId = 0;
    bool bEnded = false; // EndDialog was called, with result
    INT_PTR result = 0;
    ~DialogInfo();
};

// A window's children by control ID, for GetDlgItem. The entries come from a pool of the
// index's own, so that those of a dialog's controls, made in template order, lie side by side as
// the controller looks them up; among each window's other blocks, a dialog of tens of thousands
// of controls would miss the cache on every look-up. The pool keeps the entries of destroyed
// children for later ones until its window goes. Only the entries, of three words, are pooled:
// pools for the bucket array's sizes too would take 33 KB for a dialog of 100 controls.
struct ChildIdIndex {
    using Map = std::pmr::unordered_multimap<int, HWND>;
    static constexpr size_t kLargestPooledBlock = 32;
    std::pmr::unsynchronized_pool_resource pool{std::pmr::pool_options{0, kLargestPooledBlock}};
    Map map{&pool};
};

struct Window {
    HWND hwnd;
    WindowClass* pClass;
    WNDPROC proc;
    DWORD style;
    DWORD exStyle;
    HWND parent;                                // the desktop for top-level windows
    HWND owner;                                 // top-level windows only
    std::vector<HWND> children;                 // in z-order, topmost first
    std::unique_ptr<ChildIdIndex> childrenById; // made with the first child
    UINT_PTR id;                                // the menu handle of a top-level window
    HINSTANCE hInstance;
    std::string text;
    RECT rcWindow; // in the parent's client coordinates (screen coordinates at top level)
    RECT rcClient; // likewise
    LONG_PTR userData;
    std::vector<BYTE> extra;
    // The state a standard control keeps for the window, and which control's it is (ControlProc).
    // While the window has one, the control's own extra bytes are refused to GetWindowLong and
    // SetWindowLong, as Windows refuses them once the control's procedure has run.
    void* pControlState;
    const void* pControlKind;
    std::map<std::string, HANDLE> props;
    std::unique_ptr<DialogInfo> dialog;
    RECT rcUpdate;     // in client coordinates; empty when nothing is to be painted
    bool bEraseUpdate; // WM_ERASEBKGND is due with the next BeginPaint
    bool bNeedSize;    // a top-level window gets WM_SIZE and WM_MOVE when first shown
    bool bDestroying;
};

// The live window behind a handle; nullptr for a handle that names no window (and then
// ERROR_INVALID_WINDOW_HANDLE is the thread's last error).
Window* FindWindowPtr(HWND hwnd);
HWND DesktopWindow();
bool IsDesktop(HWND hwnd);
// Visits every window, each before its children; visit leaves the tree as it is.
void ForEachWindowPreorder(void (*visit)(Window*, void*), void* pData);

// Classes. A standard control's class has room for a pointer in each window's extra bytes, as
// Windows' controls have, which stays the control's own.
constexpr int kControlExtraBytes = sizeof(void*);
WindowClass* FindClass(LPCSTR lpszClass, HINSTANCE hInstance);
void RegisterSystemClass(const WNDCLASSA& wc, ATOM atom);

// Geometry. WM_WINDOWPOSCHANGED carries two internal flags, as on Windows: the client area
// kept its size, or its position, so DefWindowProc sends no WM_SIZE, or no WM_MOVE.
constexpr UINT kSwpNoClientSize = 0x0800;
constexpr UINT kSwpNoClientMove = 0x1000;
void NonClientInsets(DWORD style, DWORD exStyle, RECT* pInsets);
POINT ClientOrigin(HWND hwnd); // in screen coordinates
void RestackWindow(HWND hwnd, HWND hwndInsertAfter);

// Activation and focus
void ActivateOtherWindow(HWND hwndLeaving);
void ForgetFocusOnDestroy(HWND hwnd);

// Messages
void RemovePostedMessages(HWND hwnd);

// Dialogs
bool IsDialogWindow(const Window* pWnd);
// True once EndDialog was called for the dialog, with its result, and for a window that is no
// dialog any more (its result 0): what ends a modal loop.
bool DialogEnded(HWND hwnd, INT_PTR* pnResult);
// WM_NEXTDLGCTL's move of the focus, which IsDialogMessage makes in a window that is no dialog
// too.
void NextDialogControl(HWND hwndDlg, WPARAM wParam, LPARAM lParam);

// Hooks: true when a WH_CBT hook refuses the window that CreateWindowEx has just made.
bool CreationHookRefuses(HWND hwnd, CREATESTRUCTA* pcs);

} // namespace headless
