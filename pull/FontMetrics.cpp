// Measuring the font that a pull-down list is drawn or sized with.
#include "FontMetrics.h"

bool MeasureFont(HDC hdc, CFont* pFont, TEXTMETRICA* pMetrics) {
    const HGDIOBJ hOldFont = pFont != nullptr ? ::SelectObject(hdc, pFont->m_hObject) : nullptr;
    const bool bMeasured = GetTextMetricsA(hdc, pMetrics) != FALSE;
    if (hOldFont != nullptr)
        ::SelectObject(hdc, hOldFont);
    return bMeasured;
}

bool MeasureWindowFont(HWND hwnd, CFont* pFont, TEXTMETRICA* pMetrics) {
    const HDC hdc = ::GetDC(hwnd);
    if (hdc == nullptr)
        return false;
    const bool bMeasured = MeasureFont(hdc, pFont, pMetrics);
    ::ReleaseDC(hwnd, hdc);
    return bMeasured;
}
