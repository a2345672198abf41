// DefWindowProc: what every window does with the messages its own procedure leaves alone.
#include "composition.h"
#include "dbcs.h"
#include "window.h"

#include <algorithm>
#include <cstring>

namespace headless {
namespace {

// False without memory for the text, which fails the creation.
bool SetTextFromCreate(Window* pWnd, const CREATESTRUCTA* pcs) {
    // A caption that starts with 0xFF is a resource ordinal (an icon), not text.
    if (pcs->lpszName == nullptr || static_cast<unsigned char>(pcs->lpszName[0]) == 0xFF)
        return true;
    return GrowStorage([&] { pWnd->text = pcs->lpszName; });
}

void ClientFromWindow(const Window* pWnd, RECT* pRect) {
    RECT insets;
    NonClientInsets(pWnd->style, pWnd->exStyle, &insets);
    pRect->left += insets.left;
    pRect->top += insets.top;
    pRect->right = std::max(pRect->left, pRect->right - insets.right);
    pRect->bottom = std::max(pRect->top, pRect->bottom - insets.bottom);
}

LRESULT CopyText(const Window* pWnd, WPARAM cchMax, LPSTR lpszOut) {
    if (lpszOut == nullptr || cchMax == 0)
        return 0;
    const size_t nCopy = std::min(pWnd->text.size(), static_cast<size_t>(cchMax) - 1);
    std::memcpy(lpszOut, pWnd->text.data(), nCopy);
    lpszOut[nCopy] = '\0';
    return static_cast<LRESULT>(nCopy);
}

void SendPositionChange(HWND hwnd, const WINDOWPOS* pPos) {
    const Window* pWnd = FindWindowPtr(hwnd);
    const RECT rc = pWnd->rcClient;
    if (!(pPos->flags & kSwpNoClientMove))
        SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(rc.left, rc.top));
    if (!(pPos->flags & kSwpNoClientSize) && IsWindow(hwnd))
        SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                     MAKELPARAM(rc.right - rc.left, rc.bottom - rc.top));
}

// A class background of COLOR_xxx + 1 stands for that system colour's brush.
HBRUSH ClassBrush(const Window* pWnd) {
    const ULONG_PTR value = reinterpret_cast<ULONG_PTR>(pWnd->pClass->hbrBackground);
    if (value != 0 && value <= COLOR_MENUBAR + 1)
        return GetSysColorBrush(static_cast<int>(value - 1));
    return pWnd->pClass->hbrBackground;
}

LRESULT EraseBackground(HWND hwnd, HDC hdc) {
    const HBRUSH hbr = ClassBrush(FindWindowPtr(hwnd));
    if (hbr == nullptr)
        return 0;
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(hdc, &rc, hbr);
    return 1;
}

// Edit fields and lists on the window colour, everything else on the face colour of buttons.
LRESULT ControlColor(UINT uMsg, HDC hdc) {
    const bool bWindowColour = uMsg == WM_CTLCOLOREDIT || uMsg == WM_CTLCOLORLISTBOX;
    const int nBack = bWindowColour ? COLOR_WINDOW : COLOR_3DFACE;
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(nBack));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(nBack));
}

LRESULT MouseActivate(HWND hwnd, const Window* pWnd, WPARAM wParam, LPARAM lParam) {
    if (pWnd->style & WS_CHILD) {
        if (const LRESULT lResult = SendMessageA(pWnd->parent, WM_MOUSEACTIVATE, wParam, lParam))
            return lResult;
    }
    return (HIWORD(lParam) == WM_LBUTTONDOWN && LOWORD(lParam) == HTCAPTION) ? MA_NOACTIVATE
                                                                             : MA_ACTIVATE;
}

// The input method window hands the result of a composition to the window character by
// character.
void SendResultCharacters(HWND hwnd) {
    const std::string result = CompositionBytes(ContextOfWindow(hwnd), GCS_RESULTSTR);
    for (size_t i = 0; i < result.size() && IsWindow(hwnd);
         i += CharLength932(&result[i], result.size() - i))
        SendMessageA(hwnd, WM_IME_CHAR, ImeCharacter(&result[i], result.size() - i), 1);
}

// An ANSI window gets a double-byte character as two WM_CHARs, lead byte first.
void PostImeCharacter(HWND hwnd, WPARAM wChar, LPARAM lParam) {
    if (HIBYTE(LOWORD(wChar)) != 0)
        PostMessageA(hwnd, WM_CHAR, HIBYTE(LOWORD(wChar)), lParam);
    PostMessageA(hwnd, WM_CHAR, LOBYTE(wChar), lParam);
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    if (BeginPaint(hwnd, &ps) != nullptr)
        EndPaint(hwnd, &ps);
}

} // namespace
} // namespace headless

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    headless::Window* pWnd = headless::FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return 0;
    switch (Msg) {
    case WM_NCCREATE:
        return headless::SetTextFromCreate(pWnd, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_NCCALCSIZE:
        if (wParam)
            headless::ClientFromWindow(pWnd,
                                       &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]);
        else
            headless::ClientFromWindow(pWnd, reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_NCACTIVATE:
        return TRUE;
    case WM_SETTEXT:
        return headless::GrowStorage(
            [&] { pWnd->text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : ""; });
    case WM_GETTEXT:
        return headless::CopyText(pWnd, wParam, reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(pWnd->text.size());
    case WM_WINDOWPOSCHANGED:
        headless::SendPositionChange(hWnd, reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
            SetFocus(hWnd);
        return 0;
    case WM_MOUSEACTIVATE:
        return headless::MouseActivate(hWnd, pWnd, wParam, lParam);
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_PAINT:
        headless::Paint(hWnd);
        return 0;
    case WM_IME_COMPOSITION:
        if (lParam & GCS_RESULTSTR)
            headless::SendResultCharacters(hWnd);
        return 0;
    case WM_IME_CHAR:
        headless::PostImeCharacter(hWnd, wParam, lParam);
        return 0;
    case WM_ERASEBKGND:
        return headless::EraseBackground(hWnd, reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return headless::ControlColor(Msg, reinterpret_cast<HDC>(wParam));
    }
    return 0;
}
