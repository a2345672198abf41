// A host's superclass of each standard control, made from the class's information: its windows'
// bytes past the control's are the host's, the control's own stay the control's. (The other calls
// of a host's dialog code: examples/consumer/consumer_test.cpp.)
#include "Headless.h"
#include "HostDialog.h"

#include <gtest/gtest.h>

namespace {

// Windows refuses a standard control's own bytes once its procedure has run (Wine 8 still lets a
// program overwrite them, and its controls then fail).
TEST(HostCallsTest, SuperclassOfAStandardControlHasItsOwnBytesPastTheControls) {
    const HWND parent = test::CreateHostWindow("parent");
    for (const char* pszClass : {"Button", "Edit", "Static", "ListBox", "ComboBox"}) {
        SCOPED_TRACE(pszClass);
        WNDCLASSA wc = {};
        ASSERT_TRUE(GetClassInfoA(nullptr, pszClass, &wc));
        const int nOwn = wc.cbWndExtra;
        wc.cbWndExtra += sizeof(LONG);
        wc.lpszClassName = "HostCallsSuperclass";
        ASSERT_NE(0, RegisterClassA(&wc));
        EXPECT_FALSE(GetClassInfoA(nullptr, wc.lpszClassName, &wc)); // the system's classes only
        const HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD, 0, 0, 100, 100, parent,
                                          nullptr, nullptr, nullptr);
        EXPECT_EQ(0, SetWindowLongA(hwnd, nOwn, 2));
        EXPECT_EQ(2, GetWindowLongA(hwnd, nOwn));
        if (test::Headless() != nullptr) {
            EXPECT_EQ(0, SetWindowLongA(hwnd, 0, 1));
            EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_INDEX), GetLastError());
            EXPECT_EQ(0, GetWindowLongPtrA(hwnd, 0));
        }
        const WPARAM hFont = reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT));
        SendMessageA(hwnd, WM_SETFONT, hFont, 0);
        EXPECT_EQ(static_cast<LRESULT>(hFont), SendMessageA(hwnd, WM_GETFONT, 0, 0));
        DestroyWindow(hwnd);
        EXPECT_TRUE(UnregisterClassA(wc.lpszClassName, nullptr));
    }
    DestroyWindow(parent);
    test::ForgetWindows();
}

} // namespace
