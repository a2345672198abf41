// The records of text output that the headless system keeps in place of drawing it: the
// library's drawing tests read them (tests/pull/DrawTest.cpp), a host never pays for them.
#include "Headless.h"

#include <windows.h>

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's count of the bytes the program holds (GCC ships no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

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
