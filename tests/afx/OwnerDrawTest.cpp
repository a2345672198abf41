// An owner-drawn combo box created in code measures its items itself: the WM_MEASUREITEM it
// sends its parent while it is created (for the selection field, then for the list's items, as
// Wine orders them) is reflected to its object, which is attached from the first message on.
#include "HostDialog.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

class MeasuredCombo : public CComboBox {
public:
    std::vector<int> items;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override {
        items.push_back(static_cast<int>(lpMeasureItemStruct->itemID));
        lpMeasureItemStruct->itemHeight = items.size() == 1 ? 20 : 17;
    }
};

TEST(OwnerDrawTest, ComboBoxCreatedInCodeMeasuresItsItemsWhileItIsMade) {
    const HWND hParent = test::CreateHostWindow("owner");
    MeasuredCombo combo;
    const RECT rc = {10, 20, 160, 120};
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, rc,
                             CWnd::FromHandle(hParent), 7000));
    EXPECT_EQ((std::vector<int>{-1, 0}), combo.items);
    // The selection field keeps six pixels around what its owner asked for.
    EXPECT_EQ(26, combo.SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)));
    EXPECT_EQ(17, combo.SendMessage(CB_GETITEMHEIGHT, 0));
    DestroyWindow(hParent);
    test::ForgetWindows();
}

} // namespace
