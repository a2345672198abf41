// GDI32's text output. There are no pixels; each call is recorded, in call order, for the
// test interface.
#include "textout.h"
#include "records.h"

#include "gdiobj.h"

#include <algorithm>
#include <cstring>

namespace headless {

void RecordTextOut(HDC hdc, int x, int y, UINT uOptions, const RECT* prcClip, const char* p,
                   size_t cb) {
    const DeviceContext& dc = *FindDC(hdc);
    HEADLESS_TEXTOUT record = {};
    record.hwnd = dc.hwnd;
    record.x = x;
    record.y = y;
    record.uOptions = uOptions;
    if (prcClip != nullptr)
        record.rcClip = *prcClip;
    record.crText = dc.crText;
    record.crBack = dc.crBack;
    record.nBkMode = dc.nBkMode;
    record.hFont = static_cast<HFONT>(dc.hFont);
    // A text longer than the record keeps its start; cbText counts what was kept.
    record.cbText = static_cast<int>(std::min(cb, sizeof(record.szText) - 1));
    if (record.cbText > 0)
        std::memcpy(record.szText, p, record.cbText);
    Records<HEADLESS_TEXTOUT>().Add(record);
}

} // namespace headless

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    if (headless::FindDC(hdc) == nullptr || c < 0 || (c > 0 && lpString == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    headless::RecordTextOut(hdc, x, y, 0, nullptr, lpString, c);
    return TRUE;
}

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString,
                        UINT c, const INT* lpDx) {
    if (headless::FindDC(hdc) == nullptr || (c > 0 && lpString == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    headless::RecordTextOut(hdc, x, y, options, lprect, lpString, c);
    return TRUE;
}
