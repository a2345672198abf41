// Drawing a row column by column, and sizing and colouring the drop-down list.
#include "Headless.h"
#include "MasterData.h"
#include "PullList.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string TextOf(const HEADLESS_TEXTOUT& record) {
    return std::string(record.szText, static_cast<size_t>(record.cbText));
}

// An account row: code and name, then the class and key three widths after the TAB, then the
// combined code; the empty column between the two TABs draws nothing.
TEST(PullDrawTest, RowsAreDrawnInColumnsAtTheirByteOffsets) {
    REQUIRE_HEADLESS();
    test::PullList list;
    list.Folder().Write("m_kamoku.csv", test::kAccounts);
    list.Make(2, 0x01);
    CFont font;
    font.CreateFont(-12, 0, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "");
    const int cw = 6;
    CDC dc;
    dc.Attach(CreateCompatibleDC(nullptr));
    const RECT rcItem = {10, 20, 400, 36};
    const struct {
        BOOL bSelected;
        int nBack, nText;
    } kCases[] = {{1, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT},
                  {0, COLOR_WINDOW, COLOR_WINDOWTEXT},
                  {2, COLOR_WINDOW, COLOR_WINDOWTEXT}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.bSelected);
        test::Headless()->ClearTextOut();
        test::Headless()->ClearFillRects();
        list.Store().DrawRow(&dc, 0, rcItem, c.bSelected, &font);

        HEADLESS_FILLRECT fill;
        ASSERT_EQ(1u, test::Headless()->GetFillRectCount());
        test::Headless()->GetFillRect(0, &fill);
        EXPECT_TRUE(EqualRect(&rcItem, &fill.rc));
        EXPECT_EQ(GetSysColor(c.nBack), fill.crBrush);
        const struct {
            std::string text;
            int x, nClipLeft;
        } kSegments[] = {
            {" 100 " + test::ShiftJis("現金") + std::string(31, ' '), 10, 10},
            {"[" + test::ShiftJis("資産") + "] GENKIN  ", 10 + 2 * cw + 41 * cw, 10 + 2 * cw},
            {std::string(19, ' ') + "1000000", 10 + 64 * cw, 10 + 6 * cw},
        };
        ASSERT_EQ(3u, test::Headless()->GetTextOutCount());
        for (UINT i = 0; i < 3; ++i) {
            HEADLESS_TEXTOUT text;
            test::Headless()->GetTextOut(i, &text);
            EXPECT_EQ(kSegments[i].text, TextOf(text));
            EXPECT_EQ(kSegments[i].x, text.x);
            EXPECT_EQ(22, text.y);
            EXPECT_EQ(static_cast<UINT>(ETO_CLIPPED), text.uOptions);
            EXPECT_EQ(kSegments[i].nClipLeft, text.rcClip.left);
            EXPECT_EQ(GetSysColor(c.nText), text.crText);
            EXPECT_EQ(TRANSPARENT, text.nBkMode);
            EXPECT_EQ(GetStockObject(SYSTEM_FONT), text.hFont);
        }
        EXPECT_EQ(OPAQUE, GetBkMode(dc));
        EXPECT_EQ(0x000000u, GetTextColor(dc));
    }
    test::Headless()->ClearFillRects();
    list.Store().DrawRow(&dc, 5, rcItem, 1, &font);
    EXPECT_EQ(0u, test::Headless()->GetFillRectCount());
    DeleteDC(dc.Detach());
}

// A stand-in for the drop-down list: a child window of the list's host at (x, y).
class DropDownTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_list.Attach(CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 70, 40, m_pull.Parent(),
                                      nullptr, nullptr, nullptr));
        m_font.CreateFont(-16, 0, 0, 0, 0, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "");
        const HDC hdc = GetDC(m_list);
        const HGDIOBJ hOld = SelectObject(hdc, m_font);
        GetTextMetricsA(hdc, &m_tm);
        SelectObject(hdc, hOld);
        ReleaseDC(m_list, hdc);
        m_dc.Attach(GetDC(m_list));
    }
    void TearDown() override {
        ReleaseDC(m_list, m_dc.Detach());
        m_list.Detach();
    }

    // Colours the list at (x, y); its rectangle afterwards, in its parent's client area.
    RECT Colour(int x, int y) {
        MoveWindow(m_list, x, y, 70, 40, FALSE);
        EXPECT_EQ(m_pull.Store().m_hBrush,
                  m_pull.Store().CtlColor(&m_dc, &m_list, CTLCOLOR_LISTBOX, &m_font));
        RECT rc;
        GetWindowRect(m_list, &rc);
        MapWindowPoints(nullptr, m_pull.Parent(), reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    // The list's rectangle at (x, y), nChars average characters wide, eight rows high.
    std::string Expected(int x, int y, int nChars) const {
        return Text({x, y, x + nChars * m_tm.tmAveCharWidth, y + 8 * (m_tm.tmHeight - 4) + 2});
    }
    static std::string Text(const RECT& rc) {
        return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," +
               std::to_string(rc.right) + "," + std::to_string(rc.bottom);
    }
    int WidthOf(short nKind, WORD bReadFiles) {
        m_pull.Store().m_nKind = nKind;
        m_pull.Store().m_bReadFiles = bReadFiles;
        m_pull.Store().m_bSized = 0;
        const RECT rc = Colour(5, 7);
        return rc.right - rc.left;
    }

    test::PullList m_pull;
    CWnd m_list;
    CFont m_font;
    CDC m_dc;
    TEXTMETRICA m_tm = {};
};

// Without a width the list keeps its own.
TEST_F(DropDownTest, EachKindHasItsWidthInAverageCharacters) {
    const int cw = m_tm.tmAveCharWidth;
    CPullBase::SetMultiWidth(30, 40);
    const struct {
        short nKind;
        WORD bReadFiles;
        int nWidth;
    } kCases[] = {{1, 0, 23 * cw},  {2, 0, 29 * cw}, {3, 0, 23 * cw},
                  {1, 1, 50 * cw},  {2, 1, 50 * cw}, {3, 1, 26 * cw},
                  {10, 0, 40 * cw}, {10, 1, 70},     {-1, 0, 70}};
    for (const auto& c : kCases)
        EXPECT_EQ(c.nWidth, WidthOf(c.nKind, c.bReadFiles)) << c.nKind << " " << c.bReadFiles;
    // The multi-column width follows the system family.
    if (test::Headless() != nullptr) {
        test::Headless()->SetVersion(0xC0000A04);
        EXPECT_EQ(30 * cw, WidthOf(10, 0));
        EXPECT_EQ(50 * cw, WidthOf(2, 1));
        test::Headless()->SetVersion(0x1DB10106);
    }
    CPullBase::SetMultiWidth(30, -1);
    EXPECT_EQ(70, WidthOf(10, 0));
}

// The list is placed once per opening, and again only when it would leave its parent's right
// edge and has room to move left by its own width; only the list is coloured.
TEST_F(DropDownTest, TheListIsSizedOnceMovedLeftWhenItWouldLeaveTheParentAndColoured) {
    CPullRead& store = m_pull.Store();
    store.m_nKind = 3;
    EXPECT_EQ(Expected(20, 30, 23), Text(Colour(20, 30)));
    EXPECT_EQ(1, store.m_bSized);
    EXPECT_EQ("40,50,110,90", Text(Colour(40, 50)));

    const int nWidth = 23 * m_tm.tmAveCharWidth;
    const int x = 400 - nWidth / 2;
    EXPECT_EQ(Expected(x - nWidth, 10, 23), Text(Colour(x, 10)));
    store.m_bSized = 0;
    EXPECT_EQ(Expected(nWidth / 2, 10, 23), Text(Colour(nWidth / 2, 10)));
    store.m_bSized = 0;
    store.m_crText = 0x123456;
    store.m_crBack = 0x654321;
    EXPECT_EQ(nullptr, store.CtlColor(&m_dc, &m_list, CTLCOLOR_EDIT, nullptr));
    EXPECT_EQ(0, store.m_bSized);
    EXPECT_EQ(store.m_hBrush, store.CtlColor(&m_dc, &m_list, CTLCOLOR_LISTBOX, nullptr));
    EXPECT_EQ(0x123456u, GetTextColor(m_dc));
    EXPECT_EQ(0x654321u, GetBkColor(m_dc));
}

} // namespace
