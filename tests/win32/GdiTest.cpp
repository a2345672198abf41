// Device contexts and the text output that the headless system records in place of drawing it.
#include "Headless.h"
#include "ShiftJis.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// A new DC has black text on an opaque white background; each setter gives back what it
// replaced, and a bad mode changes nothing.
TEST(GdiTest, SettersReturnThePreviousValue) {
    const HDC hdc = GetDC(nullptr);
    EXPECT_EQ(0x000000u, SetTextColor(hdc, 0x123456));
    EXPECT_EQ(0x123456u, SetTextColor(hdc, 0x000001));
    EXPECT_EQ(0xFFFFFFu, SetBkColor(hdc, 0x654321));
    EXPECT_EQ(0x654321u, SetBkColor(hdc, 0x000002));
    EXPECT_EQ(OPAQUE, SetBkMode(hdc, TRANSPARENT));
    EXPECT_EQ(0, SetBkMode(hdc, 7));
    EXPECT_EQ(TRANSPARENT, SetBkMode(hdc, OPAQUE));
    EXPECT_EQ(1, ReleaseDC(nullptr, hdc));
}

std::string TextOf(const HEADLESS_TEXTOUT& record) {
    return std::string(record.szText, record.cbText);
}

// The one test of the recorder itself: what the library paints is checked through it.
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
    EXPECT_EQ(rcClip.left, second.rcClip.left);
    EXPECT_EQ(rcClip.top, second.rcClip.top);
    EXPECT_EQ(rcClip.right, second.rcClip.right);
    EXPECT_EQ(rcClip.bottom, second.rcClip.bottom);
    EXPECT_EQ(0x0000FFu, second.crText);
    EXPECT_EQ(0x00FF00u, second.crBack);
    EXPECT_EQ(TRANSPARENT, second.nBkMode);

    test::Headless()->ClearTextOut();
    EXPECT_EQ(0u, test::Headless()->GetTextOutCount());
    ReleaseDC(nullptr, hdc);
    DeleteObject(hFont);
}

} // namespace
