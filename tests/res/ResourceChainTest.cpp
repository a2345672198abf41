// The library's initialiser puts its resources into the host's resource look-ups.
#include <afx.h>
#include <gtest/gtest.h>
#include <tk_peludlg14.h>

#include "Headless.h"
#include "LibraryResources.h"

namespace {

// Before and after in one test: the chain belongs to the process and nothing takes a library
// out of it again.
TEST(ResourceChainTest, InitPeluDlgDllMakesTheHostFindTheLibrarysTemplatesAndBitmaps) {
    const HINSTANCE hApplication = AfxGetResourceHandle();
    const HMODULE hLibrary = test::LibraryModule();
    ASSERT_NE(nullptr, hLibrary);
    ASSERT_NE(hApplication, hLibrary);
    EXPECT_EQ(hApplication, AfxFindResourceHandle(MAKEINTRESOURCEA(80), RT_DIALOG));
    EXPECT_EQ(hApplication, AfxFindResourceHandle("BCAN_UP", RT_BITMAP));

    // Without memory for its chain link the library stays out of the look-ups.
    if (test::Headless() != nullptr) {
        test::Headless()->FailAllocationAfter(0);
        InitPeluDlgDLL();
        EXPECT_EQ(-1, test::Headless()->FailAllocationAfter(-1));
        EXPECT_EQ(hApplication, AfxFindResourceHandle(MAKEINTRESOURCEA(80), RT_DIALOG));
    }

    InitPeluDlgDLL();

    EXPECT_EQ(hLibrary, AfxFindResourceHandle(MAKEINTRESOURCEA(80), RT_DIALOG));
    EXPECT_EQ(hLibrary, AfxFindResourceHandle(MAKEINTRESOURCEA(85), RT_DIALOG));
    EXPECT_EQ(hLibrary, AfxFindResourceHandle("BCAN_UP", RT_BITMAP));
    EXPECT_EQ(hLibrary, AfxFindResourceHandle(MAKEINTRESOURCEA(186), RT_BITMAP));
}

} // namespace
