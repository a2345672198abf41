// The posted-message queue and its pump: order, filters, and the characters TranslateMessage
// makes of key presses.
#include "MessageLog.h"

#include <gtest/gtest.h>

namespace {

class MessageQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "MessageQueueTest";
        RegisterClassA(&wc);
        m_hwnd = CreateWindowExA(0, "MessageQueueTest", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
        test::Pump();
    }
    void TearDown() override {
        DestroyWindow(m_hwnd);
        UnregisterClassA("MessageQueueTest", nullptr);
    }

    HWND m_hwnd = nullptr;
};

TEST_F(MessageQueueTest, PostedMessagesComeOutInOrderAndFiltered) {
    PostMessageA(m_hwnd, WM_USER + 1, 1, 0);
    PostMessageA(m_hwnd, WM_USER + 2, 2, 0);
    PostMessageA(nullptr, WM_USER + 3, 3, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 2, WM_USER + 3, PM_NOREMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_USER + 2), msg.message);
    ASSERT_TRUE(PeekMessageA(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_USER + 3), msg.message);
    EXPECT_EQ(nullptr, msg.hwnd);
    ASSERT_TRUE(PeekMessageA(&msg, m_hwnd, 0, 0, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_USER + 1), msg.message);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_USER + 2), msg.message);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER, WM_USER + 10, PM_REMOVE));
}

struct KeyCase {
    UINT vk;
    char ch; // 0: no character
};

TEST_F(MessageQueueTest, TranslateMessageMakesTheCharacterOfAKey) {
    const KeyCase cases[] = {
        {'A', 'a'},          {'Z', 'z'},           {'0', '0'},         {'9', '9'},
        {VK_SPACE, ' '},     {VK_RETURN, '\r'},    {VK_BACK, '\b'},    {VK_TAB, '\t'},
        {VK_ESCAPE, '\x1b'}, {VK_SUBTRACT, '-'},   {VK_DECIMAL, '.'},  {VK_OEM_MINUS, '-'},
        {VK_OEM_COMMA, ','}, {VK_OEM_PERIOD, '.'}, {VK_OEM_PLUS, '='}, {VK_F5, 0},
        {VK_LEFT, 0},        {VK_DELETE, 0},       {VK_NUMPAD0, 0},
    };
    for (const KeyCase& c : cases) {
        const MSG key = {m_hwnd, WM_KEYDOWN, c.vk, 1, 0, {0, 0}};
        EXPECT_TRUE(TranslateMessage(&key));
        MSG msg;
        const BOOL bChar = PeekMessageA(&msg, m_hwnd, WM_CHAR, WM_CHAR, PM_REMOVE);
        EXPECT_EQ(c.ch != 0, bChar != FALSE) << "key 0x" << std::hex << c.vk;
        if (bChar) {
            EXPECT_EQ(static_cast<WPARAM>(static_cast<unsigned char>(c.ch)), msg.wParam);
        }
    }
}

} // namespace
