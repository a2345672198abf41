// Window geometry: rectangles and coordinate mapping, the non-client frame, moving, sizing,
// z-order, showing and hiding.
#include "window.h"

#include <algorithm>

namespace headless {
namespace {

bool IsChildStyle(DWORD style) {
    return (style & (WS_CHILD | WS_POPUP)) == WS_CHILD;
}

int Width(const RECT& rc) {
    return rc.right - rc.left;
}
int Height(const RECT& rc) {
    return rc.bottom - rc.top;
}

// The window leaves its siblings before it rejoins them, so the list never grows here. Placed
// at HWND_TOPMOST it carries WS_EX_TOPMOST until placed at HWND_NOTOPMOST.
void Restack(Window* pWnd, HWND hwndInsertAfter) {
    if (hwndInsertAfter == HWND_TOPMOST)
        pWnd->exStyle |= WS_EX_TOPMOST;
    else if (hwndInsertAfter == HWND_NOTOPMOST)
        pWnd->exStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
    Window* pParent = FindWindowPtr(pWnd->parent);
    auto& siblings = pParent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), pWnd->hwnd), siblings.end());
    if (hwndInsertAfter == HWND_BOTTOM) {
        siblings.push_back(pWnd->hwnd);
        return;
    }
    auto at = std::find(siblings.begin(), siblings.end(), hwndInsertAfter);
    if (hwndInsertAfter == HWND_TOP || hwndInsertAfter == HWND_TOPMOST ||
        hwndInsertAfter == HWND_NOTOPMOST || at == siblings.end())
        siblings.insert(siblings.begin(), pWnd->hwnd);
    else
        siblings.insert(at + 1, pWnd->hwnd);
}

// The client rectangle for a new window rectangle, as the window computes it.
RECT CalcClient(HWND hwnd, const RECT& rcNewWindow, const RECT& rcOldWindow,
                const RECT& rcOldClient, WINDOWPOS* pPos) {
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = rcNewWindow;
    params.rgrc[1] = rcOldWindow;
    params.rgrc[2] = rcOldClient;
    params.lppos = pPos;
    SendMessageA(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    return params.rgrc[0];
}

void ApplyPosition(Window* pWnd, WINDOWPOS* pPos) {
    const RECT rcOldWindow = pWnd->rcWindow;
    const RECT rcOldClient = pWnd->rcClient;
    RECT rcNew = rcOldWindow;
    if (!(pPos->flags & SWP_NOMOVE))
        OffsetRect(&rcNew, pPos->x - rcNew.left, pPos->y - rcNew.top);
    if (!(pPos->flags & SWP_NOSIZE)) {
        rcNew.right = rcNew.left + std::max(pPos->cx, 0);
        rcNew.bottom = rcNew.top + std::max(pPos->cy, 0);
    }
    RECT rcClient = rcOldClient;
    OffsetRect(&rcClient, rcNew.left - rcOldWindow.left, rcNew.top - rcOldWindow.top);
    const HWND hwnd = pWnd->hwnd;
    if ((pPos->flags & (SWP_FRAMECHANGED | SWP_NOSIZE)) != SWP_NOSIZE) {
        rcClient = CalcClient(hwnd, rcNew, rcOldWindow, rcOldClient, pPos);
        if ((pWnd = FindWindowPtr(hwnd)) == nullptr)
            return;
    }
    pWnd->rcWindow = rcNew;
    pWnd->rcClient = rcClient;
    if (Width(rcClient) == Width(rcOldClient) && Height(rcClient) == Height(rcOldClient))
        pPos->flags |= kSwpNoClientSize;
    if (rcClient.left == rcOldClient.left && rcClient.top == rcOldClient.top)
        pPos->flags |= kSwpNoClientMove;
}

void ApplyVisibility(Window* pWnd, const WINDOWPOS& pos) {
    if (pos.flags & SWP_SHOWWINDOW)
        pWnd->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW)
        pWnd->style &= ~static_cast<DWORD>(WS_VISIBLE);
}

// The parts of the screen that changed are painted again at the next WM_PAINT; unlike
// Windows, nothing is erased at once.
void InvalidateChanged(HWND hwnd, HWND parent, const WINDOWPOS& pos) {
    if (pos.flags & SWP_NOREDRAW)
        return;
    const bool bMoved = (pos.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE);
    if (bMoved || (pos.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED))) {
        InvalidateRect(hwnd, nullptr, TRUE);
        if (!IsDesktop(parent))
            InvalidateRect(parent, nullptr, TRUE);
    }
}

void SendSizeAndMove(HWND hwnd) {
    const Window* pWnd = FindWindowPtr(hwnd);
    const RECT rc = pWnd->rcClient;
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(Width(rc), Height(rc)));
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(rc.left, rc.top));
}

UINT ShowFlags(int nCmdShow, bool bChild, bool bActive) {
    UINT flags = SWP_NOSIZE | SWP_NOMOVE;
    switch (nCmdShow) {
    case SW_HIDE:
        flags |= SWP_HIDEWINDOW;
        if (!bActive)
            flags |= SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_SHOWNA:
        flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWMINNOACTIVE:
        flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE;
        break;
    default:
        flags |= SWP_SHOWWINDOW;
        break;
    }
    if (bChild)
        flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    return flags;
}

// A window that is hidden while it holds the focus hands it to its parent.
void RevertFocusFromHidden(HWND hwnd) {
    if (hwnd == GetActiveWindow())
        ActivateOtherWindow(hwnd);
    const HWND hFocus = GetFocus();
    if (hFocus != nullptr && (hFocus == hwnd || IsChild(hwnd, hFocus))) {
        const HWND parent = GetAncestor(hwnd, GA_PARENT);
        SetFocus(IsDesktop(parent) ? nullptr : parent);
    }
}

} // namespace

void RestackWindow(HWND hwnd, HWND hwndInsertAfter) {
    if (Window* pWnd = FindWindowPtr(hwnd))
        Restack(pWnd, hwndInsertAfter);
}

void NonClientInsets(DWORD style, DWORD exStyle, RECT* pInsets) {
    int cx = 0, cy = 0;
    if ((exStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE) {
        cx = GetSystemMetrics(SM_CXBORDER);
        cy = GetSystemMetrics(SM_CYBORDER);
    } else if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME))) {
        // The outer edge of a dialog frame: the frame less its inner border line.
        cx = GetSystemMetrics(SM_CXDLGFRAME) - GetSystemMetrics(SM_CXBORDER);
        cy = GetSystemMetrics(SM_CYDLGFRAME) - GetSystemMetrics(SM_CYBORDER);
    }
    if (style & WS_THICKFRAME) {
        cx += GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
        cy += GetSystemMetrics(SM_CYFRAME) - GetSystemMetrics(SM_CYDLGFRAME);
    }
    if ((style & (WS_BORDER | WS_DLGFRAME)) || (exStyle & WS_EX_DLGMODALFRAME)) {
        cx += GetSystemMetrics(SM_CXBORDER);
        cy += GetSystemMetrics(SM_CYBORDER);
    }
    SetRect(pInsets, cx, cy, cx, cy);
    if ((style & WS_CAPTION) == WS_CAPTION)
        pInsets->top += GetSystemMetrics(SM_CYCAPTION);
    if (exStyle & WS_EX_CLIENTEDGE) {
        pInsets->left += GetSystemMetrics(SM_CXEDGE);
        pInsets->right += GetSystemMetrics(SM_CXEDGE);
        pInsets->top += GetSystemMetrics(SM_CYEDGE);
        pInsets->bottom += GetSystemMetrics(SM_CYEDGE);
    }
    if (style & WS_VSCROLL)
        pInsets->right += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        pInsets->bottom += GetSystemMetrics(SM_CYHSCROLL);
}

POINT ClientOrigin(HWND hwnd) {
    POINT pt = {0, 0};
    for (const Window* pWnd = FindWindowPtr(hwnd); pWnd != nullptr && !IsDesktop(pWnd->hwnd);
         pWnd = FindWindowPtr(pWnd->parent)) {
        pt.x += pWnd->rcClient.left;
        pt.y += pWnd->rcClient.top;
    }
    return pt;
}

} // namespace headless

using headless::FindWindowPtr;
using headless::Window;

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
    if (lpRect == nullptr)
        return FALSE;
    RECT insets;
    headless::NonClientInsets(dwStyle, dwExStyle, &insets);
    lpRect->left -= insets.left;
    lpRect->top -= insets.top;
    lpRect->right += insets.right;
    lpRect->bottom += insets.bottom;
    if (bMenu)
        lpRect->top -= GetSystemMetrics(SM_CYMENU);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
    const Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr || lpRect == nullptr)
        return FALSE;
    SetRect(lpRect, 0, 0, headless::Width(pWnd->rcClient), headless::Height(pWnd->rcClient));
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
    const Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr || lpRect == nullptr)
        return FALSE;
    *lpRect = pWnd->rcWindow;
    if (!headless::IsDesktop(hWnd)) {
        const POINT origin = headless::ClientOrigin(pWnd->parent);
        OffsetRect(lpRect, origin.x, origin.y);
    }
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    if (FindWindowPtr(hWnd) == nullptr || lpPoint == nullptr)
        return FALSE;
    const POINT origin = headless::ClientOrigin(hWnd);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    if (FindWindowPtr(hWnd) == nullptr || lpPoint == nullptr)
        return FALSE;
    const POINT origin = headless::ClientOrigin(hWnd);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
}

int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
    if ((hWndFrom != nullptr && FindWindowPtr(hWndFrom) == nullptr) ||
        (hWndTo != nullptr && FindWindowPtr(hWndTo) == nullptr))
        return 0;
    const POINT from = headless::ClientOrigin(hWndFrom);
    const POINT to = headless::ClientOrigin(hWndTo);
    const LONG dx = from.x - to.x;
    const LONG dy = from.y - to.y;
    for (UINT i = 0; i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    return MAKELONG(static_cast<SHORT>(dx), static_cast<SHORT>(dy));
}

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy,
                         UINT uFlags) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr || headless::IsDesktop(hWnd))
        return FALSE;
    WINDOWPOS pos = {hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags};
    if (pos.flags & SWP_NOMOVE) {
        pos.x = pWnd->rcWindow.left;
        pos.y = pWnd->rcWindow.top;
    }
    if (pos.flags & SWP_NOSIZE) {
        pos.cx = headless::Width(pWnd->rcWindow);
        pos.cy = headless::Height(pWnd->rcWindow);
    }
    // Showing a visible window or hiding a hidden one changes nothing.
    if (pWnd->style & WS_VISIBLE)
        pos.flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
    else
        pos.flags &= ~static_cast<UINT>(SWP_HIDEWINDOW);
    if (!(pos.flags & SWP_NOSENDCHANGING)) {
        SendMessageA(hWnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        if ((pWnd = FindWindowPtr(hWnd)) == nullptr)
            return FALSE;
    }
    headless::ApplyPosition(pWnd, &pos);
    if ((pWnd = FindWindowPtr(hWnd)) == nullptr)
        return FALSE;
    if (!(pos.flags & SWP_NOZORDER))
        headless::Restack(pWnd, pos.hwndInsertAfter);
    headless::ApplyVisibility(pWnd, pos);
    headless::InvalidateChanged(hWnd, pWnd->parent, pos);
    if (!(pos.flags & SWP_NOACTIVATE) && !headless::IsChildStyle(pWnd->style) &&
        (pWnd->style & WS_VISIBLE))
        SetActiveWindow(hWnd);
    if (FindWindowPtr(hWnd) == nullptr)
        return FALSE;
    SendMessageA(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!bRepaint)
        flags |= SWP_NOREDRAW;
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, flags);
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return FALSE;
    const bool bWasVisible = (pWnd->style & WS_VISIBLE) != 0;
    const bool bShow = nCmdShow != SW_HIDE;
    if (bShow == bWasVisible)
        return bWasVisible;
    SendMessageA(hWnd, WM_SHOWWINDOW, bShow, 0);
    if ((pWnd = FindWindowPtr(hWnd)) == nullptr)
        return bWasVisible;
    const bool bChild = headless::IsChildStyle(pWnd->style);
    // Inside a hidden parent only the style changes; there is nothing to place or paint.
    if (bChild && !IsWindowVisible(pWnd->parent)) {
        if (bShow)
            pWnd->style |= WS_VISIBLE;
        else
            pWnd->style &= ~static_cast<DWORD>(WS_VISIBLE);
    } else {
        SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0,
                     headless::ShowFlags(nCmdShow, bChild, hWnd == GetActiveWindow()));
    }
    if (FindWindowPtr(hWnd) == nullptr)
        return bWasVisible;
    if (!bShow)
        headless::RevertFocusFromHidden(hWnd);
    pWnd = FindWindowPtr(hWnd);
    if (bShow && pWnd != nullptr && pWnd->bNeedSize) {
        pWnd->bNeedSize = false;
        headless::SendSizeAndMove(hWnd);
    }
    return bWasVisible;
}
