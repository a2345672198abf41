// The account masters are read in one pass over each file, and give the records that reading
// m_hojo.csv afresh for every account gives.
#include "AccountMasters.h"
#include "PullList.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

void ExpectRecordsOfReopening(test::PullList& list) {
    list.Make(2);
    const std::vector<ACCTREC> expected = test::LoadAccountsReopening(list.Folder().Path());
    const CPullRead& store = list.Store();
    ASSERT_EQ(static_cast<int>(expected.size()), store.m_nData);
    if (expected.empty())
        return;
    const void* pCache = GlobalLock(store.m_hData);
    EXPECT_EQ(0, std::memcmp(expected.data(), pCache, expected.size() * sizeof(ACCTREC)));
    GlobalUnlock(store.m_hData);
}

TEST(PullLoadTest, OnePassGivesTheRecordsOfReopeningForEachAccount) {
    for (unsigned nSeed = 1; nSeed <= 40; ++nSeed) {
        SCOPED_TRACE(nSeed);
        const test::AccountMasters masters = test::MakeAccountMasters(30, 60, nSeed, true);
        test::PullList list;
        list.Folder().WriteBytes("m_kamoku.csv", masters.accounts);
        if (nSeed % 8 != 0)
            list.Folder().WriteBytes("m_hojo.csv", masters.subAccounts);
        ExpectRecordsOfReopening(list);
    }
}

// An account listed again takes its sub-accounts again, up to as many records as the files have
// lines; its last record before the sub-account gives the account's part of a code's record.
TEST(PullLoadTest, RecordsStopAtTheNumberOfLines) {
    test::PullList list;
    list.Folder().Write("m_kamoku.csv", {"x,1,A,LONG,A,0,1,0,0,0,0,0,1",
                                         "x,1,A,B,A,0,1,0,0,0,1,0,1", "x,1,A,A,A,0,1,0,0,0,1,0,1"});
    list.Folder().Write("m_hojo.csv", {"1,x,1,S,S,S", "1,x,2,S,S,S", "1,x,3,S,S,S"});
    ExpectRecordsOfReopening(list);
    EXPECT_EQ(6, list.Store().m_nData);
    CODEDATA data;
    EXPECT_EQ(1, list.Store().GetRecord(nullptr, 10003, &data));
    EXPECT_STREQ("B", data.szShortName);
}

} // namespace
