// The input method's characters reach an ANSI window as WM_CHAR, as the entry fields' reading
// field relies on (the compositions themselves: tests/edit/EditSubTest.cpp).
#include "ControlHost.h"
#include "Headless.h"
#include "MessageLog.h"

#include <imm.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

using test::lparam;
using test::posted;
using test::wparam;

// Sent as WM_IME_CHAR, or committed in the window as a composition's result (headless only).
TEST(CompositionTest, DefWindowProcPostsImeCharactersAsCharactersLeadByteFirst) {
    test::ParentWindow parent;
    test::RecordOnly({WM_CHAR});
    const std::vector<test::ExpectedMessage> kCharacters = {
        {"parent", WM_CHAR, posted | wparam | lparam, 0x82, 1},
        {"parent", WM_CHAR, posted | wparam | lparam, 0xA0, 1},
        {"parent", WM_CHAR, posted | wparam | lparam, 'x', 1}};
    SendMessageA(parent.Handle(), WM_IME_CHAR, 0x82A0, 1);
    SendMessageA(parent.Handle(), WM_IME_CHAR, 'x', 1);
    test::Pump();
    EXPECT_TRUE(test::MessagesAre(kCharacters));
    if (test::Headless() == nullptr)
        return;
    test::ClearMessages();
    SetFocus(parent.Handle());
    const HIMC hImc = ImmGetContext(parent.Handle());
    ImmSetOpenStatus(hImc, TRUE);
    EXPECT_TRUE(test::Headless()->Compose("\x82\xA0x", "", nullptr, nullptr));
    ImmReleaseContext(parent.Handle(), hImc);
    test::Pump();
    EXPECT_TRUE(test::MessagesAre(kCharacters));
}

} // namespace
