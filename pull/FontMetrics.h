// Measuring the font that a pull-down list is drawn or sized with.
#pragma once

#include <afxwin.h>

// The metrics of pFont on the DC, or of the DC's own font without one.
bool MeasureFont(HDC hdc, CFont* pFont, TEXTMETRICA* pMetrics);
// The same on a device context of the window.
bool MeasureWindowFont(HWND hwnd, CFont* pFont, TEXTMETRICA* pMetrics);
