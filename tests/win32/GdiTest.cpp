// Device contexts, fonts and brushes, text measurement, and the text output that the headless
// system records in place of drawing it.
#include "Headless.h"
#include "ShiftJis.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

void ExpectFreshDC(HDC hdc) {
    EXPECT_EQ(GetStockObject(SYSTEM_FONT), GetCurrentObject(hdc, OBJ_FONT));
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), GetCurrentObject(hdc, OBJ_BRUSH));
    EXPECT_EQ(0x000000u, GetTextColor(hdc));
    EXPECT_EQ(0xFFFFFFu, GetBkColor(hdc));
    EXPECT_EQ(OPAQUE, GetBkMode(hdc));
    EXPECT_EQ(static_cast<UINT>(TA_TOP | TA_LEFT), GetTextAlign(hdc));
    EXPECT_EQ(96, GetDeviceCaps(hdc, LOGPIXELSX));
    EXPECT_EQ(96, GetDeviceCaps(hdc, LOGPIXELSY));
}

TEST(GdiTest, ScreenAndMemoryDCsStartWithTheSystemDefaults) {
    const HDC hScreen = GetDC(nullptr);
    ASSERT_NE(nullptr, hScreen);
    EXPECT_EQ(static_cast<DWORD>(OBJ_DC), GetObjectType(hScreen));
    ExpectFreshDC(hScreen);
    const HDC hMemory = CreateCompatibleDC(hScreen);
    ASSERT_NE(nullptr, hMemory);
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(hMemory));
    ExpectFreshDC(hMemory);
    EXPECT_TRUE(DeleteDC(hMemory));
    EXPECT_EQ(1, ReleaseDC(nullptr, hScreen));
}

TEST(GdiTest, SettersReturnThePreviousValue) {
    const HDC hdc = GetDC(nullptr);
    EXPECT_EQ(0x000000u, SetTextColor(hdc, 0x123456));
    EXPECT_EQ(0x123456u, SetTextColor(hdc, 0x000001));
    EXPECT_EQ(0xFFFFFFu, SetBkColor(hdc, 0x654321));
    EXPECT_EQ(0x654321u, GetBkColor(hdc));
    EXPECT_EQ(OPAQUE, SetBkMode(hdc, TRANSPARENT));
    EXPECT_EQ(0, SetBkMode(hdc, 7));
    EXPECT_EQ(TRANSPARENT, GetBkMode(hdc));
    EXPECT_EQ(static_cast<UINT>(TA_TOP | TA_LEFT), SetTextAlign(hdc, TA_CENTER | TA_BOTTOM));
    EXPECT_EQ(static_cast<UINT>(TA_CENTER | TA_BOTTOM), GetTextAlign(hdc));
    ReleaseDC(nullptr, hdc);
}

TEST(GdiTest, FontDeletedWhileSelectedLivesUntilDeselected) {
    const HDC hdc = GetDC(nullptr);
    const HFONT hFont = CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0,
                                    FIXED_PITCH | FF_MODERN, "MS Gothic");
    ASSERT_NE(nullptr, hFont);
    const HGDIOBJ hSystemFont = SelectObject(hdc, hFont);
    EXPECT_EQ(GetStockObject(SYSTEM_FONT), hSystemFont);
    EXPECT_EQ(hFont, SelectObject(hdc, hFont));
    EXPECT_TRUE(DeleteObject(hFont));
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(hFont));
    EXPECT_EQ(hFont, SelectObject(hdc, hSystemFont));
    EXPECT_EQ(0u, GetObjectType(hFont));
    EXPECT_FALSE(DeleteObject(hFont));
    ReleaseDC(nullptr, hdc);
}

TEST(GdiTest, StockObjectsSurviveDeleteObject) {
    for (int i : {WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, SYSTEM_FONT, DEFAULT_GUI_FONT}) {
        const HGDIOBJ hStock = GetStockObject(i);
        EXPECT_TRUE(DeleteObject(hStock)) << i;
        EXPECT_EQ(hStock, GetStockObject(i));
        EXPECT_NE(0u, GetObjectType(hStock)) << i;
    }
}

TEST(GdiTest, GetObjectDescribesFontsAndBrushes) {
    LOGFONTA request = {};
    request.lfHeight = -12;
    request.lfCharSet = SHIFTJIS_CHARSET;
    request.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::strcpy(request.lfFaceName, "MS Gothic");
    const HFONT hFont = CreateFontIndirectA(&request);
    LOGFONTA font = {};
    EXPECT_EQ(static_cast<int>(sizeof(LOGFONTA)), GetObjectA(hFont, 0, nullptr));
    EXPECT_EQ(static_cast<int>(sizeof(LOGFONTA)), GetObjectA(hFont, sizeof(font), &font));
    EXPECT_EQ(-12, font.lfHeight);
    EXPECT_EQ(SHIFTJIS_CHARSET, font.lfCharSet);
    EXPECT_STREQ("MS Gothic", font.lfFaceName);
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(hFont));
    DeleteObject(hFont);

    const HBRUSH hBrush = CreateSolidBrush(0x112233);
    LOGBRUSH brush = {};
    EXPECT_EQ(static_cast<int>(sizeof(brush)), GetObjectA(hBrush, sizeof(brush), &brush));
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), brush.lbStyle);
    EXPECT_EQ(0x112233u, brush.lbColor);
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(hBrush));
    EXPECT_TRUE(DeleteObject(hBrush));
    EXPECT_EQ(0u, GetObjectType(hBrush));
}

TEST(GdiTest, DrawTextPlacesOneLineByItsFormat) {
    const HDC hdc = GetDC(nullptr);
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(hdc, &tm));
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32A(hdc, "abc", 3, &size));
    RECT rc = {10, 20, 200, 100};
    EXPECT_EQ(tm.tmHeight, DrawTextA(hdc, "a&bc", -1, &rc, DT_SINGLELINE | DT_CALCRECT));
    EXPECT_EQ(10 + size.cx, rc.right);
    EXPECT_EQ(20 + tm.tmHeight, rc.bottom);
    rc = {10, 20, 200, 100};
    EXPECT_EQ(80 / 2 - tm.tmHeight / 2 + tm.tmHeight,
              DrawTextA(hdc, "abc", -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_CENTER));
    EXPECT_EQ(80, DrawTextA(hdc, "abc", -1, &rc, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT));
    EXPECT_EQ(tm.tmHeight, DrawTextA(hdc, "abc", -1, &rc, DT_SINGLELINE));
    ReleaseDC(nullptr, hdc);
}

TEST(HeadlessGdiTest, FontMetricsFollowTheRequestedHeight) {
    REQUIRE_HEADLESS();
    const struct {
        LONG lfHeight;
        LONG tmHeight, tmAscent, tmDescent, tmAveCharWidth, tmMaxCharWidth;
    } kCases[] = {
        {-12, 12, 9, 3, 6, 12},  {12, 12, 9, 3, 6, 12}, {0, 16, 12, 4, 8, 16},
        {-15, 15, 12, 3, 7, 14}, {-1, 1, 0, 1, 1, 2},
    };
    const HDC hdc = GetDC(nullptr);
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.lfHeight);
        const HFONT hFont = CreateFontA(c.lfHeight, 0, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0,
                                        VARIABLE_PITCH, "");
        const HGDIOBJ hPrevious = SelectObject(hdc, hFont);
        TEXTMETRICA tm;
        ASSERT_TRUE(GetTextMetricsA(hdc, &tm));
        EXPECT_EQ(c.tmHeight, tm.tmHeight);
        EXPECT_EQ(c.tmAscent, tm.tmAscent);
        EXPECT_EQ(c.tmDescent, tm.tmDescent);
        EXPECT_EQ(c.tmAveCharWidth, tm.tmAveCharWidth);
        EXPECT_EQ(c.tmMaxCharWidth, tm.tmMaxCharWidth);
        EXPECT_EQ(0, tm.tmInternalLeading + tm.tmExternalLeading);
        EXPECT_EQ(FW_NORMAL, tm.tmWeight);
        EXPECT_EQ(SHIFTJIS_CHARSET, tm.tmCharSet);
        // A double-byte character is twice as wide as a single-byte one.
        SIZE size;
        ASSERT_TRUE(GetTextExtentPoint32A(hdc, "a\x82\xa0\xb1", 4, &size));
        EXPECT_EQ(4 * c.tmAveCharWidth, size.cx);
        EXPECT_EQ(c.tmHeight, size.cy);
        SelectObject(hdc, hPrevious);
        DeleteObject(hFont);
    }
    ReleaseDC(nullptr, hdc);
}

TEST(HeadlessGdiTest, StockFontsGiveDialogBaseUnitsOf8By16) {
    REQUIRE_HEADLESS();
    const HDC hdc = GetDC(nullptr);
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(hdc, &tm));
    EXPECT_EQ(8, tm.tmAveCharWidth);
    EXPECT_EQ(16, tm.tmHeight);
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    ASSERT_TRUE(GetTextMetricsA(hdc, &tm));
    EXPECT_EQ(6, tm.tmAveCharWidth);
    EXPECT_EQ(12, tm.tmHeight);
    ReleaseDC(nullptr, hdc);
}

std::string TextOf(const HEADLESS_TEXTOUT& record) {
    return std::string(record.szText, record.cbText);
}

TEST(HeadlessGdiTest, TextOutputIsRecordedWithTheStateOfTheDC) {
    REQUIRE_HEADLESS();
    test::Headless()->ClearTextOut();
    const HDC hdc = GetDC(nullptr);
    const HFONT hFont = CreateFontA(-12, 0, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "");
    SelectObject(hdc, hFont);
    EXPECT_TRUE(TextOutA(hdc, 3, 4, "abc", 2));
    SetTextColor(hdc, 0x0000FF);
    SetBkColor(hdc, 0x00FF00);
    SetBkMode(hdc, TRANSPARENT);
    const RECT rcClip = {1, 2, 30, 40};
    EXPECT_TRUE(ExtTextOutA(hdc, 5, 6, ETO_CLIPPED, &rcClip, "\x82\xa0", 2, nullptr));

    ASSERT_EQ(2u, test::Headless()->GetTextOutCount());
    HEADLESS_TEXTOUT first, second;
    ASSERT_TRUE(test::Headless()->GetTextOut(0, &first));
    ASSERT_TRUE(test::Headless()->GetTextOut(1, &second));
    EXPECT_FALSE(test::Headless()->GetTextOut(2, &second));
    EXPECT_EQ("ab", TextOf(first));
    EXPECT_EQ(nullptr, first.hwnd);
    EXPECT_EQ(3, first.x);
    EXPECT_EQ(4, first.y);
    EXPECT_EQ(0u, first.uOptions);
    EXPECT_TRUE(IsRectEmpty(&first.rcClip));
    EXPECT_EQ(0x000000u, first.crText);
    EXPECT_EQ(0xFFFFFFu, first.crBack);
    EXPECT_EQ(OPAQUE, first.nBkMode);
    EXPECT_EQ(hFont, first.hFont);
    EXPECT_EQ(test::ShiftJis("あ"), TextOf(second));
    EXPECT_EQ(static_cast<UINT>(ETO_CLIPPED), second.uOptions);
    EXPECT_TRUE(EqualRect(&rcClip, &second.rcClip));
    EXPECT_EQ(0x0000FFu, second.crText);
    EXPECT_EQ(0x00FF00u, second.crBack);
    EXPECT_EQ(TRANSPARENT, second.nBkMode);

    test::Headless()->ClearTextOut();
    EXPECT_EQ(0u, test::Headless()->GetTextOutCount());
    ReleaseDC(nullptr, hdc);
    DeleteObject(hFont);
}

TEST(HeadlessGdiTest, DrawTextIsRecordedAtItsAlignedPosition) {
    REQUIRE_HEADLESS();
    // The system font: 8 pixels a byte, 16 high. "&&a&b" shows as "&ab", 24 wide.
    const struct {
        UINT format;
        int x, y;
        UINT uOptions;
    } kCases[] = {
        {DT_SINGLELINE, 10, 20, ETO_CLIPPED},
        {DT_SINGLELINE | DT_CENTER | DT_VCENTER, 10 + (100 - 24) / 2, 20 + (60 - 16) / 2,
         ETO_CLIPPED},
        {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, 110 - 24, 80 - 16, ETO_CLIPPED},
        {DT_SINGLELINE | DT_NOCLIP, 10, 20, 0},
        {DT_VCENTER, 10, 20, ETO_CLIPPED},
    };
    const HDC hdc = GetDC(nullptr);
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.format);
        test::Headless()->ClearTextOut();
        RECT rc = {10, 20, 110, 80};
        DrawTextA(hdc, "&&a&b", -1, &rc, c.format);
        ASSERT_EQ(1u, test::Headless()->GetTextOutCount());
        HEADLESS_TEXTOUT record;
        test::Headless()->GetTextOut(0, &record);
        EXPECT_EQ("&ab", TextOf(record));
        EXPECT_EQ(c.x, record.x);
        EXPECT_EQ(c.y, record.y);
        EXPECT_EQ(c.uOptions, record.uOptions);
    }
    test::Headless()->ClearTextOut();
    RECT rc = {0, 0, 10, 10};
    DrawTextA(hdc, "abc", 3, &rc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(0u, test::Headless()->GetTextOutCount());
    ReleaseDC(nullptr, hdc);
}

} // namespace
