// The codes of the rows: GetCode and SetCode for every kind and style, the account record of a
// code as the one pass over the masters reads it, freeing the cache, and the typed text that
// chooses the rows.
#include "AccountMasters.h"
#include "PullList.h"
#include "pull/PullRecords.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct CodeCase {
    const char* name;
    short nKind;
    WORD bReadFiles;
    WORD wStyle;
    std::vector<std::string> rows;
    int nSelected; // CB_SETCURSEL
    int nFrozenRow;
    ULONG nCode;
};

// Lists the host fills keep the code at byte 23 (kind 1) or in bytes 10-15, blanks before it.
TEST(PullCodeTest, GetCodeReadsTheCodeWhereTheKindKeepsIt) {
    const std::string k23(23, '-');
    const CodeCase kCases[] = {
        {"host departments", 1, 0, 0, {"none", k23 + " 77 " + k23 + k23}, 1, -1, 77},
        {"host accounts", 2, 0, 0x01, {"ABCDEFGHIJ123456789"}, 0, -1, 123456},
        {"host list", 3, 0, 0x01, {"ABCDEFGHIJ\t 42"}, 0, -1, 42},
        {"file list", 3, 1, 0x01, {"ABCDEFGHIJ\r 42"}, 0, -1, 42},
        {"short account row", 2, 1, 0x01, {"ABCDEFGHIJ  42"}, 0, -1, 0},
        {"department without space", 1, 1, 0x01, {"  123"}, 0, -1, 123},
        {"none row", 3, 0, 0, {"ABCDEFGHIJ  42"}, 0, -1, 0},
        {"add new row", 3, 0, 0x11, {"ABCDEFGHIJ  42", "ABCDEFGHIJ  43"}, 1, -1, 0xFFFFFFFF},
        {"no selection", 3, 0, 0x01, {"ABCDEFGHIJ  42"}, -1, -1, 0},
        {"no selection, add new", 3, 0, 0x10, {"none", "new"}, -1, -1, 0xFFFFFFFF},
        {"frozen row", 3, 0, 0x01, {"ABCDEFGHIJ  42", "ABCDEFGHIJ  43"}, 0, 1, 43},
        {"multi-column list", 10, 0, 0x01, {"ABCDEFGHIJ  42"}, 0, -1, 0},
    };
    for (const CodeCase& c : kCases) {
        SCOPED_TRACE(c.name);
        test::PullList list;
        CPullRead& store = list.Store();
        store.m_nKind = c.nKind;
        store.m_bReadFiles = c.bReadFiles;
        store.m_wStyle = c.wStyle;
        store.FreezeRow(c.nFrozenRow);
        for (const std::string& row : c.rows)
            list.Combo().AddString(row.c_str());
        list.Combo().SetCurSel(c.nSelected);
        EXPECT_EQ(c.nCode, store.GetCode(&list.Combo()));
    }
}

struct SetCase {
    const char* name;
    short nKind;
    WORD wStyle;
    ULONG nCode;
    int nSelected;
    ULONG nCodeAfter; // what GetCode then gives
    int nPreselected; // when the list is made for the code
};

// SetCode selects the first row that GetCode reads as the code, so the code comes back;
// without one, the "none" row or no row. A list made for a code preselects the row of its
// record only.
TEST(PullCodeTest, SetCodeSelectsTheRowOfTheCode) {
    const SetCase kCases[] = {
        {"sub-account", 2, 0, 1230005, 4, 1230005, 4},
        {"sub-account, no none row", 2, 0x01, 1230005, 3, 1230005, 3},
        {"account", 2, 0x01, 5200000, 6, 5200000, 6},
        {"add new", 2, 0x10, 0xFFFFFFFF, 8, 0xFFFFFFFF, -1},
        {"unknown, none row", 2, 0x10, 42, 0, 0, -1},
        {"unknown", 2, 0x01, 1230009, -1, 0, -1},
        {"company-wide", 1, 0x20, 10000, 4, 10000, 4},
        {"company-wide, no none row", 1, 0x21, 10000, 3, 10000, 3},
        {"none", 1, 0x20, 0, 0, 0, -1},
        {"department", 1, 0x01, 20, 2, 20, 2},
    };
    for (const SetCase& c : kCases) {
        SCOPED_TRACE(c.name);
        test::PullList list;
        list.WriteMasters(true);
        EXPECT_EQ(c.nPreselected, list.Make(c.nKind, c.wStyle, c.nCode));
        list.Store().SetCode(c.nCode, &list.Combo());
        EXPECT_EQ(c.nSelected, list.Combo().GetCurSel());
        EXPECT_EQ(c.nCodeAfter, list.Store().GetCode(&list.Combo()));
    }
}

TEST(PullCodeTest, GetRecordGivesTheAccountAndItsSubAccount) {
    test::PullList list;
    list.WriteMasters();
    CPullRead& store = list.Store();
    CODEDATA data;
    EXPECT_EQ(-1, store.GetRecord(nullptr, 1230005, &data));
    list.Make(2);

    EXPECT_EQ(1, store.GetRecord(nullptr, 1230005, &data));
    EXPECT_EQ(123, data.wCode);
    EXPECT_EQ(test::ShiftJis("売掛"), data.szShortName);
    EXPECT_EQ(
        (std::vector<int>{1, 7, 8, 9, 11}),
        (std::vector<int>{data.byClass, data.byAttr7, data.byAttr8, data.byAttr9, data.byAttr11}));
    EXPECT_EQ(5, data.wSubCode);
    EXPECT_EQ(test::ShiftJis("得意Ａ"), data.szSubShortName);

    EXPECT_EQ(1, store.GetRecord(nullptr, 1000000, &data));
    EXPECT_EQ(100, data.wCode);
    EXPECT_EQ(0, data.wSubCode);
    EXPECT_STREQ("", data.szSubShortName);
    // Sub-account 9 of account 100 stands in a second run of its lines.
    EXPECT_EQ(0, store.GetRecord(nullptr, 1000009, &data));
    EXPECT_EQ(100, data.wCode);
    EXPECT_EQ(0, store.GetRecord(nullptr, 7770000, &data));

    list.Folder().Write("m_bumon.csv", test::kDepts);
    list.Make(1);
    std::memset(&data, 0xCC, sizeof(data));
    EXPECT_EQ(-1, store.GetRecord(nullptr, 1230005, &data));
    EXPECT_EQ(0xCCCC, data.wCode);
}

// The account masters are read in one pass over each file, and give the records that reading
// m_hojo.csv afresh for every account gives.
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

TEST(PullCodeTest, OnePassGivesTheRecordsOfReopeningForEachAccountUpToTheLines) {
    for (unsigned nSeed = 1; nSeed <= 40; ++nSeed) {
        SCOPED_TRACE(nSeed);
        const test::AccountMasters masters = test::MakeAccountMasters(30, 60, nSeed, true);
        test::PullList list;
        list.Folder().WriteBytes("m_kamoku.csv", masters.accounts);
        if (nSeed % 8 != 0)
            list.Folder().WriteBytes("m_hojo.csv", masters.subAccounts);
        ExpectRecordsOfReopening(list);
    }
    // An account listed again takes its sub-accounts again, up to as many records as the files
    // have lines; its last record before the sub-account gives the account's part of a code's
    // record.
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

TEST(PullCodeTest, FreeDataFreesTheCacheOfFileListsOnly) {
    test::PullList list;
    list.Folder().Write("m_bumon.csv", test::kDepts);
    CPullRead& store = list.Store();
    list.Make(1);
    const HGLOBAL hData = store.m_hData;
    ASSERT_NE(nullptr, hData);
    for (const HGLOBAL hMem : {hData, store.m_hRowIndex}) {
        SetLastError(0);
        EXPECT_FALSE(GlobalUnlock(hMem)) << "left unlocked";
        EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_LOCKED), GetLastError());
    }
    store.m_nKind = 3;
    EXPECT_EQ(-1, store.FreeData(nullptr));
    EXPECT_EQ(hData, store.m_hData);
    store.m_nKind = 1;
    EXPECT_EQ(1, store.FreeData(nullptr));
    EXPECT_EQ(0u, GlobalSize(hData)) << "freed";
    EXPECT_EQ(nullptr, store.m_hData);
    EXPECT_EQ(nullptr, store.m_hRowIndex);
    EXPECT_EQ(3, store.m_nData);
}

struct TypedCase {
    const char* pszTyped;
    std::vector<ULONG> codes;
};

// A digit searches by the start of the code (accounts by the account's, so their sub-accounts
// come along), anything else by the start of the key; a code of 0 chooses nothing.
TEST(PullCodeTest, TypedTextChoosesTheRowsFromTheCache) {
    test::PullList list;
    list.WriteMasters();
    list.Make(2, 0x01);
    // The cache is read once for the list, not for each character.
    list.Folder().Write("m_kamoku.csv", {});
    const TypedCase kCases[] = {
        {"5", {5000000, 51000000, 5200000}},
        {"51", {51000000}},
        {"1", {1000000, 1000003, 1000004, 1230005}},
        {"ur", {5000000}},
        {"S", {51000000, 5200000}},
        {"Sa", {51000000}},
        {"SANKAX", {51000000}}, // the field is read up to five characters
        {"9", {}},
        {"0", {}},
        {"00", {}},
        {"", test::kAccountCodes},
    };
    for (const TypedCase& c : kCases) {
        SCOPED_TRACE(c.pszTyped);
        list.Type(c.pszTyped);
        EXPECT_EQ(c.codes, list.Codes());
        EXPECT_EQ(static_cast<int>(c.codes.size()), list.Store().m_nRowCount);
    }
    // The cache is public: a name that fills its slot without a terminator shows 16 bytes.
    std::memcpy(static_cast<ACCTREC*>(GlobalLock(list.Store().m_hData))->szShortName,
                "ABCDEFGHIJKLMNOPQ", 17);
    GlobalUnlock(list.Store().m_hData);
    list.Type("");
    EXPECT_EQ("ABCDEFGHIJKLMNOP ", list.Rows().at(0).substr(5, 17));
}

} // namespace
