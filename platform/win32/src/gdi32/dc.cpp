// Device contexts: USER32's window DCs, GDI32's memory DCs, what a DC has selected and its
// text colours and background mode.
#include "gdiobj.h"

namespace headless {
namespace {

// A new DC has what Windows gives one: the system font, a white brush, black text on an
// opaque white background.
HDC NewDC(HWND hwnd, bool bMemory) {
    DeviceContext dc;
    dc.hwnd = hwnd;
    dc.bMemory = bMemory;
    dc.hFont = GetStockObject(SYSTEM_FONT);
    dc.hBrush = GetStockObject(WHITE_BRUSH);
    dc.crText = 0x000000;
    dc.crBack = 0xFFFFFF;
    dc.nBkMode = OPAQUE;
    GdiObject object;
    object.value = dc;
    const HDC hdc = static_cast<HDC>(AddObject(object));
    if (hdc != nullptr) {
        AddSelection(dc.hFont);
        AddSelection(dc.hBrush);
    }
    return hdc;
}

void DestroyDC(HDC hdc) {
    const DeviceContext dc = *FindDC(hdc);
    RemoveObject(hdc);
    DropSelection(dc.hFont);
    DropSelection(dc.hBrush);
}

// The DC's slot for an object of that kind: its font or its brush.
HGDIOBJ* SlotFor(DeviceContext* pDC, const GdiObject& object) {
    if (std::holds_alternative<LOGFONTA>(object.value))
        return &pDC->hFont;
    if (std::holds_alternative<LOGBRUSH>(object.value))
        return &pDC->hBrush;
    return nullptr;
}

DeviceContext* FindDCOrFail(HDC hdc) {
    DeviceContext* pDC = FindDC(hdc);
    if (pDC == nullptr)
        SetLastError(ERROR_INVALID_HANDLE);
    return pDC;
}

// The text colours and background mode: set ones give back the previous value, and a bad DC
// gives the function's failure value.
template <typename T>
T ReplaceAttribute(HDC hdc, T DeviceContext::*pField, T value, T failure) {
    DeviceContext* pDC = FindDCOrFail(hdc);
    if (pDC == nullptr)
        return failure;
    const T previous = pDC->*pField;
    pDC->*pField = value;
    return previous;
}

template <typename T>
T ReadAttribute(HDC hdc, T DeviceContext::*pField, T failure) {
    const DeviceContext* pDC = FindDCOrFail(hdc);
    return pDC != nullptr ? pDC->*pField : failure;
}

} // namespace
} // namespace headless

using headless::DeviceContext;
using headless::FindDCOrFail;

// A new DC for every call; the window is not checked, and NULL stands for the screen.
HDC WINAPI GetDC(HWND hWnd) {
    return headless::NewDC(hWnd, false);
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC) {
    const DeviceContext* pDC = headless::FindDC(hDC);
    if (pDC == nullptr || pDC->bMemory)
        return 0;
    headless::DestroyDC(hDC);
    return 1;
}

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    if (hdc != nullptr && FindDCOrFail(hdc) == nullptr)
        return nullptr;
    return headless::NewDC(nullptr, true);
}

BOOL WINAPI DeleteDC(HDC hdc) {
    const DeviceContext* pDC = FindDCOrFail(hdc);
    if (pDC == nullptr || !pDC->bMemory)
        return FALSE;
    headless::DestroyDC(hdc);
    return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    DeviceContext* pDC = FindDCOrFail(hdc);
    const headless::GdiObject* pObject = headless::FindObject(h);
    HGDIOBJ* pSlot =
        pDC != nullptr && pObject != nullptr ? headless::SlotFor(pDC, *pObject) : nullptr;
    if (pSlot == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const HGDIOBJ hPrevious = *pSlot;
    headless::AddSelection(h);
    *pSlot = h;
    headless::DropSelection(hPrevious);
    return hPrevious;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    return headless::ReplaceAttribute(hdc, &DeviceContext::crText, color, CLR_INVALID);
}

COLORREF WINAPI GetTextColor(HDC hdc) {
    return headless::ReadAttribute(hdc, &DeviceContext::crText, CLR_INVALID);
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    return headless::ReplaceAttribute(hdc, &DeviceContext::crBack, color, CLR_INVALID);
}

COLORREF WINAPI GetBkColor(HDC hdc) {
    return headless::ReadAttribute(hdc, &DeviceContext::crBack, CLR_INVALID);
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return headless::ReplaceAttribute(hdc, &DeviceContext::nBkMode, mode, 0);
}

int WINAPI GetBkMode(HDC hdc) {
    return headless::ReadAttribute(hdc, &DeviceContext::nBkMode, 0);
}
