// GDI32's brushes: solid brushes, the stock brushes, and the system colour brushes' kind.
#include "brush.h"

#include "gdiobj.h"

namespace headless {
namespace {

HBRUSH AddBrush(COLORREF color, bool bLasting) {
    GdiObject object;
    object.value = LOGBRUSH{BS_SOLID, color, 0};
    object.bLasting = bLasting;
    return static_cast<HBRUSH>(AddObject(object));
}

// Where a brush is wanted, a system colour index plus 1 stands for that colour's brush.
bool IsSysColorValue(HBRUSH hbr) {
    const ULONG_PTR value = reinterpret_cast<ULONG_PTR>(hbr);
    return value >= COLOR_SCROLLBAR + 1 && value <= COLOR_MENUBAR + 1;
}

} // namespace

bool GetStockBrush(int i, LOGBRUSH* pBrush) {
    static const COLORREF kColors[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
    if (i >= WHITE_BRUSH && i <= BLACK_BRUSH) {
        *pBrush = {BS_SOLID, kColors[i - WHITE_BRUSH], 0};
        return true;
    }
    if (i == NULL_BRUSH) {
        *pBrush = {BS_NULL, 0, 0};
        return true;
    }
    return false;
}

HBRUSH CreateLastingBrush(COLORREF color) {
    return AddBrush(color, true);
}

bool IsPaintingBrush(HBRUSH hbr) {
    return IsSysColorValue(hbr) || FindObjectOf<LOGBRUSH>(hbr) != nullptr;
}

bool GetPaintColor(HBRUSH hbr, COLORREF* pColor) {
    if (IsSysColorValue(hbr)) {
        *pColor = GetSysColor(static_cast<int>(reinterpret_cast<ULONG_PTR>(hbr) - 1));
        return true;
    }
    const LOGBRUSH* pBrush = FindObjectOf<LOGBRUSH>(hbr);
    if (pBrush == nullptr || pBrush->lbStyle != BS_SOLID)
        return false;
    *pColor = pBrush->lbColor;
    return true;
}

} // namespace headless

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    return headless::AddBrush(color, false);
}
