// Fonts as the headless GDI measures them: fixed metrics derived from the request alone.
#pragma once

#include <windows.h>

namespace headless {

// The description of stock font i; false when i is no stock font.
bool GetStockFont(int i, LOGFONTA* pFont);

void GetFontMetrics(const LOGFONTA& font, TEXTMETRICA* pMetrics);

// Width and height of a line of code page 932 text of cb bytes (an empty line has a height).
SIZE MeasureText(const LOGFONTA& font, size_t cb);

// The font that the DC has selected.
const LOGFONTA& SelectedFont(HDC hdc);

// Font hFont, or the system font for NULL or a handle that names no font: what a control that
// has been given hFont paints with, measured without a device context (nothing is allocated).
const LOGFONTA& FontOrSystemFont(HFONT hFont);

} // namespace headless
