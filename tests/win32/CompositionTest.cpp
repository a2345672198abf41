// The input method's characters reach an ANSI window as WM_CHAR, as the entry fields' reading
// field relies on (the compositions themselves: tests/edit/EditSubTest.cpp).
#include "ControlHost.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

namespace {

using test::lparam;
using test::MessagesAre;
using test::posted;
using test::wparam;

TEST(CompositionTest, DefWindowProcPostsAnImeCharacterAsCharactersLeadByteFirst) {
    test::ParentWindow parent;
    test::RecordOnly({WM_CHAR});
    SendMessageA(parent.Handle(), WM_IME_CHAR, 0x82A0, 1);
    SendMessageA(parent.Handle(), WM_IME_CHAR, 'x', 1);
    test::Pump();
    EXPECT_TRUE(MessagesAre({{"parent", WM_CHAR, posted | wparam | lparam, 0x82, 1},
                             {"parent", WM_CHAR, posted | wparam | lparam, 0xA0, 1},
                             {"parent", WM_CHAR, posted | wparam | lparam, 'x', 1}}));
}

} // namespace
