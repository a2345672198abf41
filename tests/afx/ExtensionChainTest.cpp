// Extension modules: registration and the resource chain.
#include <afxdllx.h>

#include <gtest/gtest.h>

namespace {

TEST(ExtensionModuleTest, NeedsAModule) {
    AFX_EXTENSION_MODULE state = {FALSE, nullptr, nullptr};
    EXPECT_FALSE(AfxInitExtensionModule(state, nullptr));
    EXPECT_FALSE(state.bInitialized);
    const HMODULE hSelf = GetModuleHandleA(nullptr);
    ASSERT_TRUE(AfxInitExtensionModule(state, hSelf));
    EXPECT_EQ(hSelf, state.hModule);
    EXPECT_EQ(hSelf, state.hResource);
}

TEST(ExtensionModuleTest, UnknownResourceFallsBackToTheApplication) {
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCEA(4711), RT_DIALOG));
}

} // namespace
