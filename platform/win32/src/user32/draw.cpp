// USER32's drawing functions: rectangles filled or framed with a brush, the focus rectangle, and
// DrawTextA for one line of text. Nothing is painted; filled rectangles are recorded for the
// test interface, and DrawTextA's text as text output at the position its format gives.
#include "records.h"

#include "brush.h"
#include "font.h"
#include "gdiobj.h"
#include "memory.h"
#include "textout.h"

#include <cstring>
#include <new>
#include <string>

namespace headless {
namespace {

void RecordFill(HDC hDC, const RECT& rc, HBRUSH hbr) {
    HEADLESS_FILLRECT record = {FindDC(hDC)->hwnd, rc, 0};
    if (GetPaintColor(hbr, &record.crBrush))
        Records<HEADLESS_FILLRECT>().Add(record);
}

bool CanPaint(HDC hDC, const RECT* lprc) {
    if (FindDC(hDC) != nullptr && lprc != nullptr)
        return true;
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

// The text as drawn: "&x" underlines x and "&&" is a single "&", unless DT_NOPREFIX.
std::string VisibleText(const char* p, size_t cb, UINT format) {
    if (format & DT_NOPREFIX)
        return std::string(p, cb);
    std::string text;
    for (size_t i = 0; i < cb; ++i) {
        // No trail byte of code page 932 is "&", so a byte-wise walk is safe.
        if (p[i] == '&' && i + 1 < cb)
            ++i;
        text += p[i];
    }
    return text;
}

// Where a line of the given size starts in the rectangle, by the format's alignment.
POINT AlignedPosition(const RECT& rc, SIZE size, UINT format) {
    POINT pt = {rc.left, rc.top};
    if (format & DT_RIGHT)
        pt.x = rc.right - size.cx;
    else if (format & DT_CENTER)
        pt.x = rc.left + (rc.right - rc.left - size.cx) / 2;
    // Vertical alignment applies to single lines only.
    if (format & DT_SINGLELINE) {
        if (format & DT_BOTTOM)
            pt.y = rc.bottom - size.cy;
        else if (format & DT_VCENTER)
            pt.y = rc.top + (rc.bottom - rc.top) / 2 - size.cy / 2;
    }
    return pt;
}

} // namespace

} // namespace headless

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    if (!headless::CanPaint(hDC, lprc) || !headless::IsPaintingBrush(hbr))
        return FALSE;
    headless::RecordFill(hDC, *lprc, hbr);
    return TRUE;
}

BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc) {
    return headless::CanPaint(hDC, lprc);
}

// The whole text is one line, whatever the format; DT_WORDBREAK, DT_EXPANDTABS and line breaks
// are not laid out. Returns the line's height, or with DT_VCENTER or DT_BOTTOM the distance
// from the rectangle's top to the line's bottom, as Windows does.
int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    if (!headless::CanPaint(hdc, lprc) || (lpchText == nullptr && cchText != 0))
        return 0;
    std::string text;
    if (!headless::GrowStorage([&] {
            text = headless::VisibleText(lpchText, cchText < 0 ? std::strlen(lpchText) : cchText,
                                         format);
        }))
        return 0;
    const SIZE size = headless::MeasureText(headless::SelectedFont(hdc), text.size());
    if (format & DT_CALCRECT) {
        lprc->right = lprc->left + size.cx;
        lprc->bottom = lprc->top + size.cy;
        return size.cy;
    }
    const POINT pt = headless::AlignedPosition(*lprc, size, format);
    if (!text.empty())
        headless::RecordTextOut(hdc, pt.x, pt.y, (format & DT_NOCLIP) ? 0 : ETO_CLIPPED,
                                (format & DT_NOCLIP) ? nullptr : lprc, text.data(), text.size());
    return pt.y - lprc->top + size.cy;
}
