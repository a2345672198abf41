// GDI32's fonts. There are no glyphs: a font's metrics follow from its request alone, so that
// every measurement is exact arithmetic.
//
// Metrics of a font whose LOGFONTA asks for height lfHeight:
//   h                 = -lfHeight for a negative lfHeight, lfHeight for a positive one,
//                       16 for 0
//   tmHeight          = h
//   tmAscent          = h * 4 / 5 (integer division)
//   tmDescent         = h - tmAscent
//   tmInternalLeading = 0, tmExternalLeading = 0, tmOverhang = 0
//   tmAveCharWidth    = max(1, h / 2)
//   tmMaxCharWidth    = 2 * tmAveCharWidth
//   tmWeight          = lfWeight, FW_NORMAL (400) for 0
//   tmItalic, tmUnderlined, tmStruckOut, tmCharSet, tmPitchAndFamily: as requested
//   tmDigitizedAspectX = tmDigitizedAspectY = 96
//   tmFirstChar 0x20, tmLastChar 0xFF, tmDefaultChar 0x1F, tmBreakChar 0x20
// Every single-byte character is tmAveCharWidth wide, every double-byte character (a code page
// 932 lead byte and the byte after it) twice that; a text is as high as tmHeight.
//
// Stock fonts (all SHIFTJIS_CHARSET, FW_NORMAL):
//   SYSTEM_FONT          "System"       lfHeight 16  -> 8 x 16, dialog base units 8 x 16
//   DEVICE_DEFAULT_FONT  "System"       lfHeight 16  -> 8 x 16
//   SYSTEM_FIXED_FONT    "FixedSys"     lfHeight 16  -> 8 x 16, fixed pitch
//   OEM_FIXED_FONT       "Terminal"     lfHeight 16  -> 8 x 16, fixed pitch
//   ANSI_FIXED_FONT      "Courier"      lfHeight 12  -> 6 x 12, fixed pitch
//   ANSI_VAR_FONT        "MS Sans Serif" lfHeight 12 -> 6 x 12
//   DEFAULT_GUI_FONT     "MS Shell Dlg" lfHeight -12 -> 6 x 12
// The dialog font "ＭＳ ゴシック" 9 pt, CreateFontA(-MulDiv(9, 96, 72), ...), is 6 x 12.
#include "font.h"

#include "gdiobj.h"

#include <algorithm>
#include <cstring>

namespace headless {
namespace {

LONG PixelHeight(const LOGFONTA& font) {
    if (font.lfHeight < 0)
        return -font.lfHeight;
    return font.lfHeight > 0 ? font.lfHeight : 16;
}

LONG AverageCharWidth(const LOGFONTA& font) {
    return std::max<LONG>(1, PixelHeight(font) / 2);
}

LOGFONTA MakeFont(LONG lfHeight, BYTE lfPitchAndFamily, const char* pszFaceName) {
    LOGFONTA font = {};
    font.lfHeight = lfHeight;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = lfPitchAndFamily;
    std::strncpy(font.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return font;
}

HFONT AddFont(const LOGFONTA& font) {
    GdiObject object;
    object.value = font;
    return static_cast<HFONT>(AddObject(object));
}

} // namespace

bool GetStockFont(int i, LOGFONTA* pFont) {
    constexpr BYTE kVariable = VARIABLE_PITCH | FF_SWISS;
    constexpr BYTE kFixed = FIXED_PITCH | FF_MODERN;
    switch (i) {
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
        *pFont = MakeFont(16, kVariable, "System");
        return true;
    case SYSTEM_FIXED_FONT:
        *pFont = MakeFont(16, kFixed, "FixedSys");
        return true;
    case OEM_FIXED_FONT:
        *pFont = MakeFont(16, kFixed, "Terminal");
        return true;
    case ANSI_FIXED_FONT:
        *pFont = MakeFont(12, kFixed, "Courier");
        return true;
    case ANSI_VAR_FONT:
        *pFont = MakeFont(12, kVariable, "MS Sans Serif");
        return true;
    case DEFAULT_GUI_FONT:
        *pFont = MakeFont(-12, kVariable, "MS Shell Dlg");
        return true;
    default:
        return false;
    }
}

void GetFontMetrics(const LOGFONTA& font, TEXTMETRICA* pMetrics) {
    const LONG h = PixelHeight(font);
    *pMetrics = {};
    pMetrics->tmHeight = h;
    pMetrics->tmAscent = h * 4 / 5;
    pMetrics->tmDescent = h - pMetrics->tmAscent;
    pMetrics->tmAveCharWidth = AverageCharWidth(font);
    pMetrics->tmMaxCharWidth = 2 * pMetrics->tmAveCharWidth;
    pMetrics->tmWeight = font.lfWeight != 0 ? font.lfWeight : FW_NORMAL;
    pMetrics->tmDigitizedAspectX = 96;
    pMetrics->tmDigitizedAspectY = 96;
    pMetrics->tmFirstChar = 0x20;
    pMetrics->tmLastChar = 0xFF;
    pMetrics->tmDefaultChar = 0x1F;
    pMetrics->tmBreakChar = 0x20;
    pMetrics->tmItalic = font.lfItalic;
    pMetrics->tmUnderlined = font.lfUnderline;
    pMetrics->tmStruckOut = font.lfStrikeOut;
    pMetrics->tmPitchAndFamily = font.lfPitchAndFamily;
    pMetrics->tmCharSet = font.lfCharSet;
}

SIZE MeasureText(const LOGFONTA& font, size_t cb) {
    // A double-byte character is two bytes and two widths, so the width counts bytes.
    return {static_cast<LONG>(cb) * AverageCharWidth(font), PixelHeight(font)};
}

const LOGFONTA& SelectedFont(HDC hdc) {
    // A selected font cannot be destroyed, so the DC's font is always there.
    return *FindObjectOf<LOGFONTA>(FindDC(hdc)->hFont);
}

const LOGFONTA& FontOrSystemFont(HFONT hFont) {
    static const LOGFONTA kSystemFont = [] {
        LOGFONTA font = {};
        GetStockFont(SYSTEM_FONT, &font);
        return font;
    }();
    const LOGFONTA* pFont = FindObjectOf<LOGFONTA>(hFont);
    return pFont != nullptr ? *pFont : kSystemFont;
}

} // namespace headless

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                         DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                         DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality,
                         DWORD iPitchAndFamily, LPCSTR pszFaceName) {
    LOGFONTA font = {};
    font.lfHeight = cHeight;
    font.lfWidth = cWidth;
    font.lfEscapement = cEscapement;
    font.lfOrientation = cOrientation;
    font.lfWeight = cWeight;
    font.lfItalic = static_cast<BYTE>(bItalic);
    font.lfUnderline = static_cast<BYTE>(bUnderline);
    font.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
    font.lfCharSet = static_cast<BYTE>(iCharSet);
    font.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    font.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    font.lfQuality = static_cast<BYTE>(iQuality);
    font.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    if (pszFaceName != nullptr)
        std::strncpy(font.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf) {
    if (lplf == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // The face name is kept terminated, whatever the caller's structure holds.
    LOGFONTA font = *lplf;
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return headless::AddFont(font);
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
    if (headless::FindDC(hdc) == nullptr || lptm == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    headless::GetFontMetrics(headless::SelectedFont(hdc), lptm);
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    if (headless::FindDC(hdc) == nullptr || c < 0 || psizl == nullptr ||
        (c > 0 && lpString == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // An empty text has no height either, as Wine measures it.
    *psizl = c == 0 ? SIZE{0, 0} : headless::MeasureText(headless::SelectedFont(hdc), c);
    return TRUE;
}
