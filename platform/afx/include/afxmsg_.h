// Message maps. A class declares DECLARE_MESSAGE_MAP() and lists its messages between
// BEGIN_MESSAGE_MAP and END_MESSAGE_MAP; each entry hands its message to a handler with MFC's
// signature, and whatever the list leaves alone goes to the base class's map and finally to
// the window's own procedure. The list expands to a chain of tests inside OnWndMsg. As in MFC,
// an entry takes only a handler of exactly its type: one with another signature does not
// compile.
#pragma once

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    BOOL theClass::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {        \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        typedef baseClass TheBaseClass;

#define END_MESSAGE_MAP()                                                                          \
    return TheBaseClass::OnWndMsg(message, wParam, lParam, pResult);                               \
    }

#define AFX_MSG_ENTRY(msg, call)                                                                   \
    if (message == (msg)) {                                                                        \
        call;                                                                                      \
        return TRUE;                                                                               \
    }

// The handler of an entry, called through a pointer of the handler type the entry requires.
#define AFX_HANDLER(type, handler) (this->*static_cast<type>(&ThisClass::handler))

#define AFX_KEY_ENTRY(msg, handler)                                                                \
    AFX_MSG_ENTRY(msg, (AFX_HANDLER(void(CWnd::*)(UINT, UINT, UINT), handler)(                     \
                            static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)),            \
                        *pResult = 0))
#define AFX_MOUSE_ENTRY(msg, handler)                                                              \
    AFX_MSG_ENTRY(                                                                                 \
        msg, (AFX_HANDLER(void(CWnd::*)(UINT, CPoint), handler)(                                   \
                  static_cast<UINT>(wParam),                                                       \
                  CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))), \
              *pResult = 0))

#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_MOVE()                                                                               \
    AFX_MSG_ENTRY(WM_MOVE,                                                                         \
                  (AFX_HANDLER(void(CWnd::*)(int, int), OnMove)(                                   \
                       static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))),    \
                   *pResult = 0))
#define ON_WM_SIZE()                                                                               \
    AFX_MSG_ENTRY(WM_SIZE, (AFX_HANDLER(void(CWnd::*)(UINT, int, int), OnSize)(                    \
                                static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),     \
                                static_cast<short>(HIWORD(lParam))),                               \
                            *pResult = 0))
#define ON_WM_SETFOCUS()                                                                           \
    AFX_MSG_ENTRY(WM_SETFOCUS, (AFX_HANDLER(void(CWnd::*)(CWnd*), OnSetFocus)(                     \
                                    CWnd::FromHandle(reinterpret_cast<HWND>(wParam))),             \
                                *pResult = 0))
#define ON_WM_KILLFOCUS()                                                                          \
    AFX_MSG_ENTRY(WM_KILLFOCUS, (AFX_HANDLER(void(CWnd::*)(CWnd*), OnKillFocus)(                   \
                                     CWnd::FromHandle(reinterpret_cast<HWND>(wParam))),            \
                                 *pResult = 0))
#define ON_WM_GETDLGCODE()                                                                         \
    AFX_MSG_ENTRY(WM_GETDLGCODE,                                                                   \
                  *pResult = static_cast<LRESULT>(AFX_HANDLER(UINT(CWnd::*)(), OnGetDlgCode)()))
#define ON_WM_MOUSEACTIVATE()                                                                      \
    AFX_MSG_ENTRY(                                                                                 \
        WM_MOUSEACTIVATE,                                                                          \
        *pResult = AFX_HANDLER(int(CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)(                  \
            CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_WINDOWPOSCHANGING()                                                                  \
    AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING,                                                            \
                  (AFX_HANDLER(void(CWnd::*)(WINDOWPOS*),                                          \
                               OnWindowPosChanging)(reinterpret_cast<WINDOWPOS*>(lParam)),         \
                   *pResult = 0))
#define ON_WM_CTLCOLOR()                                                                           \
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {                            \
        *pResult =                                                                                 \
            reinterpret_cast<LRESULT>(AFX_HANDLER(HBRUSH(CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)( \
                CDC::FromHandle(reinterpret_cast<HDC>(wParam)),                                    \
                CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX));   \
        return TRUE;                                                                               \
    }

// A handler of a message of the program's own: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(msg, memberFxn)                                                                 \
    AFX_MSG_ENTRY(                                                                                 \
        msg, *pResult = AFX_HANDLER(LRESULT(CWnd::*)(WPARAM, LPARAM), memberFxn)(wParam, lParam))

// A command (code 0: a menu item, an accelerator, or a message a program sends) with this ID:
// void memberFxn(). Control notifications with other codes pass by.
#define ON_COMMAND(id, memberFxn)                                                                  \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == 0) {                  \
        AFX_HANDLER(void (CWnd::*)(), memberFxn)();                                                \
        *pResult = 0;                                                                              \
        return TRUE;                                                                               \
    }

// A notification code that the parent reflects back to this control: void memberFxn().
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                 \
    if (message == WM_REFLECT_BASE + WM_COMMAND && HIWORD(wParam) == (wNotifyCode)) {              \
        AFX_HANDLER(void (CWnd::*)(), memberFxn)();                                                \
        *pResult = 0;                                                                              \
        return TRUE;                                                                               \
    }
