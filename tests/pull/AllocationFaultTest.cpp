// Whichever of the store's allocations fails, the list holds its fixed rows, and the next list
// reads again; a row that the combo box has no memory for is the only one missing.
#include "Headless.h"
#include "MasterData.h"
#include "PullList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PullFaultTest, AFailedAllocationLeavesTheFixedRows) {
    test::PullList list;
    list.Folder().Write("m_kamoku.csv", test::kAccounts);
    list.Folder().Write("m_hojo.csv", test::kSubAccounts);
    list.Make(2, 0x10);
    const std::vector<ULONG> full = list.Codes();
    ASSERT_EQ(test::kAccountCodes.size() + 2, full.size());
    for (LONG nSucceed = 0;; ++nSucceed) {
        test::Headless()->FailAllocationAfter(nSucceed);
        list.Make(2, 0x10);
        test::Headless()->FailAllocationAfter(-1);
        const std::vector<ULONG> codes = list.Codes();
        if (codes == full)
            break;
        bool bOneRowMissing = false;
        for (size_t i = 0; i < full.size() && !bOneRowMissing; ++i) {
            std::vector<ULONG> without = full;
            without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
            bOneRowMissing = codes == without;
        }
        if (!bOneRowMissing) {
            EXPECT_EQ((std::vector<ULONG>{0, 0xFFFFFFFF}), codes) << nSucceed;
        }
    }
}

} // namespace
