// An owner-drawn combo box created in code measures its items itself: the WM_MEASUREITEM that it
// sends its parent while it is made (for the selection field, then for the list's items, as in
// Wine) is reflected to its object, which is attached from the first message on.
#include "HostDialog.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct MeasuredCombo : CComboBox {
    std::vector<int> items;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override {
        items.push_back(static_cast<int>(lpMeasureItemStruct->itemID));
        lpMeasureItemStruct->itemHeight = items.size() == 1 ? 20 : 17;
    }
};

TEST(OwnerDrawTest, ComboBoxCreatedInCodeMeasuresItsItemsWhileItIsMade) {
    const HWND hParent = test::CreateHostWindow("owner");
    MeasuredCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                             RECT{10, 20, 160, 120}, CWnd::FromHandle(hParent), 7000));
    EXPECT_EQ((std::vector<int>{-1, 0}), combo.items);
    // The selection field keeps six pixels around the height its owner asked for.
    EXPECT_EQ(26, combo.SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)));
    EXPECT_EQ(17, combo.SendMessage(CB_GETITEMHEIGHT, 0));
    DestroyWindow(hParent);
    test::ForgetWindows();
}

} // namespace
