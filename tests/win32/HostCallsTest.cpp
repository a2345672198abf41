// The Win32 calls a host's dialog code and its tests make beyond what the library calls: classes
// registered and looked up (a superclass of a standard control among them), dialog item texts,
// screen coordinates and GetMessage.
#include "Headless.h"
#include "HostDialog.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(HostCallsTest, ClassInfoOfASystemClassAndOfTheProgramsOwn) {
    WNDCLASSA edit = {};
    EXPECT_NE(0, GetClassInfoA(nullptr, "edit", &edit));
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS | CS_PARENTDC), edit.style);
    EXPECT_EQ(nullptr, edit.hInstance);

    const HINSTANCE hProgram = GetModuleHandleA(nullptr);
    WNDCLASSEXA mine = {sizeof(WNDCLASSEXA),
                        CS_DBLCLKS,
                        PlainProc,
                        4,
                        12,
                        hProgram,
                        reinterpret_cast<HICON>(0x1234),
                        nullptr,
                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                        "MENU",
                        "HostCallsClass",
                        nullptr};
    const ATOM atom = RegisterClassExA(&mine);
    ASSERT_NE(0, atom);
    WNDCLASSA info = {};
    EXPECT_EQ(atom, GetClassInfoA(hProgram, "HostCallsClass", &info));
    EXPECT_EQ(std::string("MENU"), info.lpszMenuName);
    EXPECT_EQ(std::string("HostCallsClass"), info.lpszClassName);
    EXPECT_EQ(mine.hIcon, info.hIcon);
    EXPECT_EQ(hProgram, info.hInstance);
    EXPECT_EQ(12, info.cbWndExtra);
    EXPECT_EQ(4, info.cbClsExtra);
    // A module of NULL asks for the system's classes only.
    SetLastError(0);
    EXPECT_FALSE(GetClassInfoA(nullptr, "HostCallsClass", &info));
    EXPECT_EQ(static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST), GetLastError());
    mine.cbSize = 0;
    mine.lpszClassName = "HostCallsClass2";
    EXPECT_EQ(0, RegisterClassExA(&mine));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_TRUE(UnregisterClassA("HostCallsClass", hProgram));
}

// A superclass gives its windows room past the standard control's bytes, which stay the
// control's own: Windows refuses them once the control's procedure has run (Wine 8 still lets a
// program overwrite them, and its controls then fail).
TEST(HostCallsTest, SuperclassOfAStandardControlHasItsOwnBytesPastTheControls) {
    const HWND parent = test::CreateHostWindow("parent");
    for (const char* pszClass : {"Button", "Edit", "Static", "ListBox", "ComboBox"}) {
        SCOPED_TRACE(pszClass);
        WNDCLASSA wc = {};
        ASSERT_TRUE(GetClassInfoA(nullptr, pszClass, &wc));
        const int nOwn = wc.cbWndExtra;
        wc.cbWndExtra += sizeof(LONG);
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "HostCallsSuperclass";
        ASSERT_NE(0, RegisterClassA(&wc));
        const HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD, 0, 0, 100, 100, parent,
                                          nullptr, nullptr, nullptr);
        EXPECT_EQ(0, SetWindowLongA(hwnd, nOwn, 2));
        EXPECT_EQ(2, GetWindowLongA(hwnd, nOwn));
        if (test::Headless() != nullptr) {
            SetLastError(0);
            EXPECT_EQ(0, SetWindowLongA(hwnd, 0, 1));
            EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_INDEX), GetLastError());
            EXPECT_EQ(0, GetWindowLongPtrA(hwnd, 0));
        }
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT)), 0);
        EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(SYSTEM_FONT)),
                  SendMessageA(hwnd, WM_GETFONT, 0, 0));
        DestroyWindow(hwnd);
        EXPECT_TRUE(UnregisterClassA(wc.lpszClassName, wc.hInstance));
    }
    DestroyWindow(parent);
    test::ForgetWindows();
}

TEST(HostCallsTest, DialogItemTextIsTheControlsAndEmptyWithoutOne) {
    const HWND parent = test::CreateHostWindow("parent");
    CreateWindowExA(0, "Edit", "", WS_CHILD, 0, 0, 50, 20, parent, reinterpret_cast<HMENU>(7),
                    nullptr, nullptr);
    EXPECT_TRUE(SetDlgItemTextA(parent, 7, "hello"));
    EXPECT_FALSE(SetDlgItemTextA(parent, 8, "hello"));
    char szText[8] = "XXXXXXX";
    EXPECT_EQ(3u, GetDlgItemTextA(parent, 7, szText, 4));
    EXPECT_EQ(std::string("hel"), szText);
    EXPECT_EQ(0u, GetDlgItemTextA(parent, 8, szText, sizeof(szText)));
    EXPECT_EQ(std::string(), szText);
    DestroyWindow(parent);
    test::ForgetWindows();
}

TEST(HostCallsTest, ScreenToClientUndoesClientToScreen) {
    const HWND parent = test::CreateHostWindow("parent");
    const HWND child = CreateWindowExA(0, "Static", "", WS_CHILD, 4, 23, 50, 20, parent, nullptr,
                                       nullptr, nullptr);
    POINT pt = {10, 20};
    ASSERT_TRUE(ClientToScreen(child, &pt));
    EXPECT_TRUE(ScreenToClient(child, &pt));
    EXPECT_EQ(10, pt.x);
    EXPECT_EQ(20, pt.y);
    DestroyWindow(parent);
    EXPECT_FALSE(ScreenToClient(child, &pt));
    EXPECT_EQ(10, pt.x);
    test::ForgetWindows();
}

TEST(HostCallsTest, GetMessageTakesPostedMessagesThenTheQuitMessage) {
    test::Pump();
    const HWND hwnd = test::CreateHostWindow("window");
    test::Pump();
    PostMessageA(hwnd, WM_USER, 1, 2);
    PostQuitMessage(3);
    MSG msg = {};
    EXPECT_EQ(TRUE, GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(static_cast<UINT>(WM_USER), msg.message);
    EXPECT_EQ(FALSE, GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
    EXPECT_EQ(3u, msg.wParam);
    DestroyWindow(hwnd);
    EXPECT_EQ(-1, GetMessageA(&msg, hwnd, 0, 0));
    test::ForgetWindows();
}

} // namespace
