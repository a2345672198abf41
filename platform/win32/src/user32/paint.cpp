// Invalidation and painting: the update rectangle of each window, WM_PAINT's source, and
// BeginPaint/EndPaint.
#include "paint.h"

namespace headless {
namespace {

// The update area is kept as one rectangle, the union of everything invalidated.
void AddToUpdate(Window* pWnd, const RECT& rc, bool bErase) {
    RECT rcClient = {0, 0, pWnd->rcClient.right - pWnd->rcClient.left,
                     pWnd->rcClient.bottom - pWnd->rcClient.top};
    RECT rcPart;
    if (!IntersectRect(&rcPart, &rc, &rcClient))
        return;
    UnionRect(&pWnd->rcUpdate, &pWnd->rcUpdate, &rcPart);
    pWnd->bEraseUpdate = pWnd->bEraseUpdate || bErase;
}

// A window without WS_CLIPCHILDREN shows its children over the area, so they are painted again
// too, each in its own client coordinates, and they erase their background whatever the caller
// asked (Wine shows both). A window that is not shown keeps its children as they are: showing
// it invalidates them all.
void Invalidate(Window* pWnd, const RECT& rc, bool bErase) {
    AddToUpdate(pWnd, rc, bErase);
    if ((pWnd->style & WS_CLIPCHILDREN) || !IsWindowVisible(pWnd->hwnd))
        return;
    for (const HWND child : pWnd->children) {
        Window* pChild = FindWindowPtr(child);
        RECT rcPart;
        if (!(pChild->style & WS_VISIBLE) || !IntersectRect(&rcPart, &rc, &pChild->rcWindow))
            continue;
        OffsetRect(&rcPart, -pChild->rcClient.left, -pChild->rcClient.top);
        Invalidate(pChild, rcPart, true);
    }
}

void PaintIfDue(HWND hwnd) {
    const Window* pWnd = FindWindowPtr(hwnd);
    if (!IsRectEmpty(&pWnd->rcUpdate) && IsWindowVisible(hwnd)) {
        SendMessageA(hwnd, WM_PAINT, 0, 0);
        ValidateAfterPaint(hwnd);
    }
}

// The window first, then its descendants, as Windows' UpdateWindow paints them. A child that
// goes while its parent paints is passed over.
void PaintWithChildren(HWND hwnd) {
    PaintIfDue(hwnd);
    for (size_t i = 0;; ++i) {
        const Window* pWnd = FindWindowPtr(hwnd);
        if (pWnd == nullptr || i >= pWnd->children.size())
            return;
        PaintWithChildren(pWnd->children[i]);
    }
}

struct PaintSearch {
    HWND hwndFilter;
    HWND hwndFound;
};

void FindFirstToPaint(Window* pWnd, void* pData) {
    PaintSearch* pSearch = static_cast<PaintSearch*>(pData);
    if (pSearch->hwndFound != nullptr || IsRectEmpty(&pWnd->rcUpdate) ||
        !IsWindowVisible(pWnd->hwnd))
        return;
    if (pSearch->hwndFilter == nullptr || pSearch->hwndFilter == pWnd->hwnd ||
        IsChild(pSearch->hwndFilter, pWnd->hwnd))
        pSearch->hwndFound = pWnd->hwnd;
}

} // namespace

HWND NextWindowToPaint(HWND hwndFilter) {
    PaintSearch search = {hwndFilter, nullptr};
    ForEachWindowPreorder(FindFirstToPaint, &search);
    return search.hwndFound;
}

// Windows that leave their update area untouched in WM_PAINT would be asked again and again;
// as on Windows, what is left after the message is dispatched counts as painted.
void ValidateAfterPaint(HWND hwnd) {
    if (Window* pWnd = FindWindowPtr(hwnd)) {
        SetRectEmpty(&pWnd->rcUpdate);
        pWnd->bEraseUpdate = false;
    }
}

} // namespace headless

using headless::FindWindowPtr;
using headless::Window;

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return FALSE;
    RECT rc;
    if (lpRect != nullptr)
        rc = *lpRect;
    else
        SetRect(&rc, 0, 0, pWnd->rcClient.right - pWnd->rcClient.left,
                pWnd->rcClient.bottom - pWnd->rcClient.top);
    headless::Invalidate(pWnd, rc, bErase != FALSE);
    return TRUE;
}

// No background is erased outside BeginPaint here: bErase asks for nothing.
BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL /*bErase*/) {
    const Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return FALSE;
    if (lpRect != nullptr)
        *lpRect = pWnd->rcUpdate;
    return !IsRectEmpty(&pWnd->rcUpdate);
}

BOOL WINAPI UpdateWindow(HWND hWnd) {
    if (FindWindowPtr(hWnd) == nullptr)
        return FALSE;
    headless::PaintWithChildren(hWnd);
    return TRUE;
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr || lpPaint == nullptr)
        return nullptr;
    const HDC hdc = GetDC(hWnd);
    const bool bErase = pWnd->bEraseUpdate;
    *lpPaint = PAINTSTRUCT{};
    lpPaint->hdc = hdc;
    lpPaint->rcPaint = pWnd->rcUpdate;
    headless::ValidateAfterPaint(hWnd);
    if (bErase)
        lpPaint->fErase = !SendMessageA(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    return hdc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint) {
    if (lpPaint == nullptr)
        return FALSE;
    ReleaseDC(hWnd, lpPaint->hdc);
    return TRUE;
}
