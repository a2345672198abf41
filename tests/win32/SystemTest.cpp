// The system version, MulDiv, system colours and metrics, and rectangle arithmetic.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>

// Found by argument lookup, so beside RECT in the global namespace.
static bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

static std::ostream& operator<<(std::ostream& os, const RECT& rc) {
    return os << "(" << rc.left << "," << rc.top << ")-(" << rc.right << "," << rc.bottom << ")";
}

namespace {

TEST(SystemTest, VersionIsWindows7OfTheNtFamily) {
    const DWORD dwVersion = GetVersion();
    EXPECT_EQ(0x1DB10106u, dwVersion);
    EXPECT_EQ(0u, dwVersion & 0x80000000u);
}

TEST(SystemTest, MulDivRoundsHalfAwayFromZeroAndFailsWithMinusOne) {
    const struct {
        int nNumber, nNumerator, nDenominator, nExpected;
    } kCases[] = {
        {9, 96, 72, 12},
        {7, 1, 2, 4},
        {-7, 1, 2, -4},
        {5, 1, 2, 3},
        {-5, 1, 2, -3},
        {3, 1, -2, -2},
        {-3, 1, -2, 2},
        {10, 1, 4, 3},
        {-10, 1, 4, -3},
        {6, 1, 4, 2},
        {1, 1, 0, -1},
        {0, 5, 0, -1},
        {0x7FFFFFFF, 2, 1, -1},
        {0x7FFFFFFF, 2, 2, 0x7FFFFFFF},
        {-0x7FFFFFFF - 1, 1, 1, -1},
        {-0x7FFFFFFF, 1, 1, -0x7FFFFFFF},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(c.nExpected, MulDiv(c.nNumber, c.nNumerator, c.nDenominator))
            << c.nNumber << " * " << c.nNumerator << " / " << c.nDenominator;
    }
}

TEST(SystemTest, SystemColoursAndMetricsOfTheReferenceScreen) {
    const struct {
        int nIndex;
        DWORD dwColor;
    } kColors[] = {{COLOR_WINDOW, 0xFFFFFF},    {COLOR_WINDOWTEXT, 0x000000},
                   {COLOR_HIGHLIGHT, 0xFA9630}, {COLOR_HIGHLIGHTTEXT, 0xFFFFFF},
                   {COLOR_BTNFACE, 0xF5F5F5},   {COLOR_GRAYTEXT, 0xA6A6A6}};
    for (const auto& c : kColors)
        EXPECT_EQ(c.dwColor, GetSysColor(c.nIndex)) << "colour " << c.nIndex;
    const struct {
        int nIndex;
        int nValue;
    } kMetrics[] = {{SM_CXSCREEN, 1280}, {SM_CYSCREEN, 1024}, {SM_CXVSCROLL, 17},
                    {SM_CYCAPTION, 19},  {SM_CXBORDER, 1},    {SM_CXEDGE, 2},
                    {SM_DBCSENABLED, 1}, {SM_CXDLGFRAME, 3},  {SM_CYMENU, 19}};
    for (const auto& m : kMetrics)
        EXPECT_EQ(m.nValue, GetSystemMetrics(m.nIndex)) << "metric " << m.nIndex;
}

TEST(SystemTest, SystemColourBrushLastsThroughDeleteObject) {
    const HBRUSH hBrush = GetSysColorBrush(COLOR_HIGHLIGHT);
    ASSERT_NE(nullptr, hBrush);
    EXPECT_EQ(hBrush, GetSysColorBrush(COLOR_HIGHLIGHT));
    EXPECT_TRUE(DeleteObject(hBrush));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(hBrush));
    LOGBRUSH brush = {};
    ASSERT_EQ(static_cast<int>(sizeof(brush)), GetObjectA(hBrush, sizeof(brush), &brush));
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), brush.lbStyle);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), brush.lbColor);
}

TEST(RectTest, IntersectionAndUnionFollowWin32EdgeRules) {
    const RECT kEmpty = {0, 0, 0, 0};
    const struct {
        RECT rc1, rc2;
        BOOL bIntersects;
        RECT intersection;
        BOOL bUnion;
        RECT unionRect;
    } kCases[] = {
        {{0, 0, 10, 10}, {5, 5, 20, 20}, TRUE, {5, 5, 10, 10}, TRUE, {0, 0, 20, 20}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, kEmpty, TRUE, {0, 0, 20, 10}},
        {{0, 0, 10, 10}, {30, 30, 30, 40}, FALSE, kEmpty, TRUE, {0, 0, 10, 10}},
        {{5, 5, 5, 5}, {7, 7, 2, 2}, FALSE, kEmpty, FALSE, kEmpty},
        {{0, 0, 10, 10}, {2, 2, 4, 4}, TRUE, {2, 2, 4, 4}, TRUE, {0, 0, 10, 10}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.rc1 << " and " << c.rc2);
        RECT rc = {1, 2, 3, 4};
        EXPECT_EQ(c.bIntersects, IntersectRect(&rc, &c.rc1, &c.rc2));
        EXPECT_EQ(c.intersection, rc);
        rc = {1, 2, 3, 4};
        EXPECT_EQ(c.bUnion, UnionRect(&rc, &c.rc1, &c.rc2));
        EXPECT_EQ(c.unionRect, rc);
    }
}

TEST(RectTest, PointsOnTheRightAndBottomEdgesAreOutside) {
    const RECT rc = {10, 20, 30, 40};
    const struct {
        POINT pt;
        BOOL bInside;
    } kPoints[] = {{{10, 20}, TRUE},  {{29, 39}, TRUE}, {{30, 20}, FALSE},
                   {{10, 40}, FALSE}, {{9, 25}, FALSE}, {{15, 19}, FALSE}};
    for (const auto& p : kPoints)
        EXPECT_EQ(p.bInside, PtInRect(&rc, p.pt)) << p.pt.x << "," << p.pt.y;
}

TEST(RectTest, SettingMovingAndInflating) {
    RECT rc;
    EXPECT_TRUE(SetRect(&rc, 1, 2, 3, 4));
    EXPECT_EQ((RECT{1, 2, 3, 4}), rc);
    EXPECT_TRUE(OffsetRect(&rc, 10, -2));
    EXPECT_EQ((RECT{11, 0, 13, 2}), rc);
    EXPECT_TRUE(InflateRect(&rc, 1, -1));
    EXPECT_EQ((RECT{10, 1, 14, 1}), rc);
    EXPECT_TRUE(IsRectEmpty(&rc));
    RECT copy;
    EXPECT_TRUE(CopyRect(&copy, &rc));
    EXPECT_EQ(rc, copy);
    EXPECT_TRUE(SetRectEmpty(&copy));
    EXPECT_EQ((RECT{0, 0, 0, 0}), copy);
    EXPECT_TRUE(IsRectEmpty(nullptr));
    EXPECT_FALSE(EqualRect(&rc, nullptr));
}

} // namespace
