// Text output of the headless GDI: nothing is drawn, every call is recorded for the tests.
#pragma once

#include "headless_test.h"

namespace headless {

// Records cb bytes of text drawn at (x, y) on the DC, with the DC's colours, mode and font.
void RecordTextOut(HDC hdc, int x, int y, UINT uOptions, const RECT* prcClip, const char* p,
                   size_t cb);

} // namespace headless
