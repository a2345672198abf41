// Key state: GetKeyState and GetAsyncKeyState follow the keyboard, whose keys reach the focus
// window; keys a program posts change neither.
#include "ControlHost.h"
#include "HostDialog.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool IsDown(SHORT state) {
    return state < 0;
}

TEST(KeyboardTest, KeyStateFollowsTheKeyboardAndNotPostedKeys) {
    test::ParentWindow parent;
    SetFocus(parent.Handle());
    test::RecordOnly({WM_KEYDOWN});
    ASSERT_TRUE(test::HoldShift(true));
    EXPECT_TRUE(IsDown(GetAsyncKeyState(VK_SHIFT)));
    const auto& messages = test::RecordedMessages();
    EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [](const test::RecordedMessage& m) {
        return m.window == "parent" && m.wParam == VK_SHIFT;
    }));

    PostMessageA(parent.Handle(), WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC02A0001u));
    test::Pump();
    EXPECT_TRUE(IsDown(GetKeyState(VK_SHIFT)));
    EXPECT_TRUE(IsDown(GetAsyncKeyState(VK_SHIFT)));
    ASSERT_TRUE(test::HoldShift(false));
    EXPECT_FALSE(IsDown(GetAsyncKeyState(VK_SHIFT)));
}

} // namespace
