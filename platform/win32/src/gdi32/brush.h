// Brushes of the headless GDI: solid colours and the hollow brush, with nothing to paint.
#pragma once

#include <windows.h>

namespace headless {

// The description of stock brush i; false when i is no stock brush.
bool GetStockBrush(int i, LOGBRUSH* pBrush);

// A solid brush that DeleteObject does not destroy, as the system colour brushes are.
HBRUSH CreateLastingBrush(COLORREF color);

// A brush that FillRect and FrameRect take: a brush handle or a system colour index plus 1.
bool IsPaintingBrush(HBRUSH hbr);

// The colour a painting brush lays down; false for the hollow brush and for what is no brush.
bool GetPaintColor(HBRUSH hbr, COLORREF* pColor);

} // namespace headless
