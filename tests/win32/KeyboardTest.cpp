// Keyboard input and key state: keys pressed on the keyboard reach the focus window, and
// GetKeyState follows the key messages the thread takes; keys a program posts change nothing.
#include "ControlHost.h"
#include "HostDialog.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

namespace {

using test::lparam;
using test::MessagesAre;
using test::posted;
using test::wparam;

constexpr BYTE kShiftScan = 0x2A;

bool IsDown(SHORT state) {
    return state < 0;
}

bool ShiftIsDown() {
    return IsDown(GetKeyState(VK_SHIFT));
}

bool ShiftIsUp() {
    return !ShiftIsDown();
}

class KeyboardTest : public ::testing::Test {
protected:
    // Under Wine the window taking the X focus resets the modifier keys a moment later: a first
    // press and release waits for that to be over.
    void SetUp() override {
        SetFocus(m_parent.Handle());
        ASSERT_TRUE(test::HoldShift(true));
        ASSERT_TRUE(test::HoldShift(false));
        test::RecordOnly({WM_KEYDOWN, WM_KEYUP});
        test::ClearMessages();
    }

    test::ParentWindow m_parent;
};

TEST_F(KeyboardTest, PostedKeysLeaveTheKeyStateAlone) {
    PostMessageA(m_parent.Handle(), WM_KEYDOWN, VK_SHIFT, 0x002A0001);
    test::Pump();
    EXPECT_FALSE(IsDown(GetKeyState(VK_SHIFT)));
    EXPECT_FALSE(IsDown(GetAsyncKeyState(VK_SHIFT)));
    PostMessageA(m_parent.Handle(), WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC02A0001u));
    test::Pump();
}

// The keyboard knows the key is down at once; the thread once it has taken the key's message,
// which a real Win32 delivers in its own time.
TEST_F(KeyboardTest, PressedKeyReachesTheFocusWindowAndTheThreadSeesItWithItsMessage) {
    const bool bToggled = (GetKeyState(VK_SHIFT) & 1) != 0;
    keybd_event(VK_SHIFT, kShiftScan, 0, 0);
    EXPECT_TRUE(IsDown(GetAsyncKeyState(VK_SHIFT)));
    EXPECT_FALSE(ShiftIsDown());
    ASSERT_TRUE(test::PumpUntil(ShiftIsDown));
    EXPECT_NE(bToggled, (GetKeyState(VK_SHIFT) & 1) != 0);

    keybd_event(VK_SHIFT, kShiftScan, KEYEVENTF_KEYUP, 0);
    EXPECT_FALSE(IsDown(GetAsyncKeyState(VK_SHIFT)));
    EXPECT_TRUE(ShiftIsDown());
    ASSERT_TRUE(test::PumpUntil(ShiftIsUp));
    EXPECT_TRUE(MessagesAre({{"parent", WM_KEYDOWN, posted | wparam | lparam, VK_SHIFT, 0x002A0001},
                             {"parent", WM_KEYUP, posted | wparam | lparam, VK_SHIFT,
                              static_cast<LPARAM>(0xC02A0001u)}}));
}

} // namespace
