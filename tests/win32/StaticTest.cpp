// Static controls: the sunken edge, mouse transparency, the dialog code, and where the text is
// painted for each alignment.
#include "ControlHost.h"
#include "Headless.h"
#include "ParamName.h"

#include <gtest/gtest.h>

namespace {

constexpr int kId = 100;

LPARAM InsideOnScreen(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return MAKELPARAM(rc.left + 5, rc.top + 5);
}

TEST(StaticTest, SunkenStaticHasTheStaticEdge) {
    test::ParentWindow parent;
    const HWND sunken = parent.Create("Static", SS_SUNKEN, kId, "s", 0, 100, 100);
    EXPECT_EQ(static_cast<LONG>(WS_EX_STATICEDGE), GetWindowLongA(sunken, GWL_EXSTYLE));
    RECT rc;
    GetClientRect(sunken, &rc);
    EXPECT_EQ(98, rc.right);
    EXPECT_EQ(98, rc.bottom);
}

TEST(StaticTest, SunkenStaticOfADialogHasTheStaticEdge) {
    test::DialogTemplateBuilder tmpl(WS_POPUP | WS_VISIBLE, 100, 50);
    tmpl.Control(test::kStaticAtom, SS_SUNKEN, 0, 0, 50, 10, kId, "s");
    test::ControlDialog dialog(tmpl);
    EXPECT_EQ(static_cast<LONG>(WS_EX_STATICEDGE | WS_EX_NOPARENTNOTIFY),
              GetWindowLongA(dialog.Item(kId), GWL_EXSTYLE));
}

TEST(StaticTest, IsTransparentToTheMouseUnlessItNotifies) {
    test::ParentWindow parent;
    const HWND label = parent.Create("Static", SS_LEFT, kId, "a");
    const HWND notifying = parent.Create("Static", SS_LEFT | SS_NOTIFY, kId + 1, "b");
    EXPECT_EQ(HTTRANSPARENT, SendMessageA(label, WM_NCHITTEST, 0, InsideOnScreen(label)));
    EXPECT_EQ(HTCLIENT, SendMessageA(notifying, WM_NCHITTEST, 0, InsideOnScreen(notifying)));
    EXPECT_EQ(DLGC_STATIC, SendMessageA(label, WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(DLGC_STATIC, SendMessageA(notifying, WM_GETDLGCODE, 0, 0));
}

// The default GUI font of the headless system is 6 pixels a character: "abc" is 18 wide in a
// client area of 100.
struct AlignmentCase {
    const char* name;
    DWORD style;
    int x;
};

class StaticAlignmentTest : public ::testing::TestWithParam<AlignmentCase> {};

TEST_P(StaticAlignmentTest, TextIsPaintedAtItsPlaceInTheStaticsFont) {
    REQUIRE_HEADLESS();
    test::ParentWindow parent;
    const HWND label = parent.Create("Static", GetParam().style, kId, "old", 0, 100, 20);
    const HFONT hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    EXPECT_EQ(TRUE, SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc")));

    const std::vector<HEADLESS_TEXTOUT> texts = test::RepaintedText(label);

    ASSERT_EQ(1u, texts.size());
    const HEADLESS_TEXTOUT& text = texts[0];
    EXPECT_EQ(label, text.hwnd);
    EXPECT_STREQ("abc", text.szText);
    EXPECT_EQ(hFont, text.hFont);
    EXPECT_EQ(GetParam().x, text.x);
    EXPECT_EQ(0, text.y);
}

INSTANTIATE_TEST_SUITE_P(Alignments, StaticAlignmentTest,
                         ::testing::Values(AlignmentCase{"Left", SS_LEFT, 0},
                                           AlignmentCase{"Center", SS_CENTER, 41},
                                           AlignmentCase{"Right", SS_RIGHT, 82}),
                         test::ParamName<AlignmentCase>);

} // namespace
