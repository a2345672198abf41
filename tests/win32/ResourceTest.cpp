// Resources found by type and name in the module that carries them.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(ResourceTest, FindsADialogTemplateByIntegerName) {
    const HMODULE hSelf = GetModuleHandleA(nullptr);
    const HRSRC hRes = FindResourceA(hSelf, MAKEINTRESOURCEA(100), RT_DIALOG);
    ASSERT_NE(nullptr, hRes);
    const DLGTEMPLATE* pTemplate =
        static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(hSelf, hRes)));
    ASSERT_NE(nullptr, pTemplate);
    EXPECT_EQ(0x80C800C0u, pTemplate->style);
    EXPECT_EQ(1, pTemplate->cdit);
    EXPECT_EQ(100, pTemplate->cx);
    EXPECT_EQ(hRes, FindResourceA(nullptr, "#100", RT_DIALOG));
}

TEST(ResourceTest, MissingResourceIsNotFound) {
    const HMODULE hSelf = GetModuleHandleA(nullptr);
    SetLastError(0);
    EXPECT_EQ(nullptr, FindResourceA(hSelf, MAKEINTRESOURCEA(199), RT_DIALOG));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    EXPECT_EQ(nullptr, FindResourceA(hSelf, MAKEINTRESOURCEA(100), RT_MENU));
}

} // namespace
