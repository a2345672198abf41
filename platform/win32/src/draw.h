// What USER32's drawing functions offer the test interface: the rectangles FillRect filled.
#pragma once

#include "headless_test.h"

namespace headless {

UINT GetFillRectCount();
BOOL GetFillRect(UINT nIndex, HEADLESS_FILLRECT* pOut);
void ClearFillRects();

} // namespace headless
