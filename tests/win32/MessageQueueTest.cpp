// The characters TranslateMessage makes of the key presses that tests type.
#include "HostDialog.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    UINT vk;
    char ch; // 0: no character
};

TEST(MessageQueueTest, TranslateMessageMakesTheCharacterOfAKey) {
    const HWND hwnd = test::CreateHostWindow("window");
    test::Pump();
    const KeyCase cases[] = {
        {'A', 'a'},          {'Z', 'z'},           {'0', '0'},         {'9', '9'},
        {VK_SPACE, ' '},     {VK_RETURN, '\r'},    {VK_BACK, '\b'},    {VK_TAB, '\t'},
        {VK_ESCAPE, '\x1b'}, {VK_SUBTRACT, '-'},   {VK_DECIMAL, '.'},  {VK_OEM_MINUS, '-'},
        {VK_OEM_COMMA, ','}, {VK_OEM_PERIOD, '.'}, {VK_OEM_PLUS, '='}, {VK_F5, 0},
        {VK_LEFT, 0},        {VK_DELETE, 0},       {VK_NUMPAD0, 0},
    };
    for (const KeyCase& c : cases) {
        const MSG key = {hwnd, WM_KEYDOWN, c.vk, 1, 0, {0, 0}};
        EXPECT_TRUE(TranslateMessage(&key));
        MSG msg;
        const BOOL bChar = PeekMessageA(&msg, hwnd, WM_CHAR, WM_CHAR, PM_REMOVE);
        EXPECT_EQ(c.ch != 0, bChar != FALSE) << "key 0x" << std::hex << c.vk;
        if (bChar) {
            EXPECT_EQ(static_cast<WPARAM>(static_cast<unsigned char>(c.ch)), msg.wParam);
        }
    }
    DestroyWindow(hwnd);
    test::ForgetWindows();
}

} // namespace
