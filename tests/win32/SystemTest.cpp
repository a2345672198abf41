// The system version and the system colours that the pull-down lists choose their width table
// and paint their rows with.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(SystemTest, VersionIsWindows7OfTheNtFamily) {
    const DWORD dwVersion = GetVersion();
    EXPECT_EQ(0x1DB10106u, dwVersion);
    EXPECT_EQ(0u, dwVersion & 0x80000000u);
}

TEST(SystemTest, SystemColoursOfTheReferenceScreen) {
    const struct {
        int nIndex;
        DWORD dwColor;
    } kColors[] = {{COLOR_WINDOW, 0xFFFFFF},    {COLOR_WINDOWTEXT, 0x000000},
                   {COLOR_HIGHLIGHT, 0xFA9630}, {COLOR_HIGHLIGHTTEXT, 0xFFFFFF},
                   {COLOR_BTNFACE, 0xF5F5F5},   {COLOR_GRAYTEXT, 0xA6A6A6}};
    for (const auto& c : kColors)
        EXPECT_EQ(c.dwColor, GetSysColor(c.nIndex)) << "colour " << c.nIndex;
}

} // namespace
