// The text output that the headless system records in place of drawing it.
#include "Headless.h"
#include "ShiftJis.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's count of the bytes the program holds (GCC ships no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

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
    EXPECT_EQ(0, std::memcmp(&rcClip, &second.rcClip, sizeof(RECT)));
    EXPECT_EQ(0x0000FFu, second.crText);
    EXPECT_EQ(0x00FF00u, second.crBack);
    EXPECT_EQ(TRANSPARENT, second.nBkMode);

    test::Headless()->ClearTextOut();
    EXPECT_EQ(0u, test::Headless()->GetTextOutCount());
    ReleaseDC(nullptr, hdc);
    DeleteObject(hFont);
}

// A host that draws for hours keeps no records; a test keeps only so many, and clearing them
// gives their memory back.
TEST(HeadlessGdiTest, TextOutputRecordsAreBoundedAndKeptOnlyWhenAsked) {
    REQUIRE_HEADLESS();
    HEADLESS_TEST& headless = *test::Headless();
    const HDC hdc = GetDC(nullptr);
    headless.ClearTextOut();
    for (int i = 0; i < 2 * HEADLESS_RECORDS_MAX; ++i)
        TextOutA(hdc, 0, 0, "abc", 3);
    EXPECT_EQ(static_cast<UINT>(HEADLESS_RECORDS_MAX), headless.GetTextOutCount());
#if defined(__SANITIZE_ADDRESS__)
    const size_t cbKept = __sanitizer_get_current_allocated_bytes();
    headless.ClearTextOut();
    EXPECT_GE(cbKept - __sanitizer_get_current_allocated_bytes(),
              HEADLESS_RECORDS_MAX * sizeof(HEADLESS_TEXTOUT));
#endif
    headless.ClearTextOut();
    headless.KeepRecords(FALSE);
    TextOutA(hdc, 0, 0, "abc", 3);
    EXPECT_EQ(0u, headless.GetTextOutCount());
    headless.KeepRecords(TRUE);
    ReleaseDC(nullptr, hdc);
}

} // namespace
