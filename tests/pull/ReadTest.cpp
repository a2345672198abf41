// The rows that the master files give: their bytes, which records are listed, how lines and
// fields are read, and what is cut to fit.
#include "Headless.h"
#include "MasterData.h"
#include "PullList.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace {

using test::ShiftJis;

const std::string kNone = ShiftJis("指定なし");
const std::string kAddNew = ShiftJis("<新規追加>");

std::string Spaces(size_t n) {
    return std::string(n, ' ');
}

TEST(PullReadTest, RowsAreWrittenByteForByte) {
    test::PullList list;
    list.Folder().Write("m_bumon.csv", test::kDepts);
    list.Folder().Write("m_kamoku.csv", test::kAccounts);
    list.Folder().Write("m_hojo.csv", test::kSubAccounts, "\r\n"); // as Windows ends lines

    EXPECT_EQ(3, list.Make(1, 0x31, 10000));
    const std::string kSoumu = "   12 " + ShiftJis("総務") + Spaces(12) + "SOUMU   ";
    ASSERT_EQ(30u, kSoumu.size());
    EXPECT_EQ(
        (std::vector<std::string>{"    1 " + ShiftJis("本社") + Spaces(12) + "HONSHA  ", kSoumu,
                                  "   20 " + ShiftJis("営業") + Spaces(12) + "EIGYO   ",
                                  ShiftJis("    0 全社共通        ZENSYA  "), kAddNew}),
        list.Rows());

    list.Make(2);
    const std::vector<std::string> rows = list.Rows();
    ASSERT_EQ(8u, rows.size());
    const std::string kCash = " 100 " + ShiftJis("現金") + Spaces(30) + " \t[" + ShiftJis("資産") +
                              "] GENKIN  \t\t" + Spaces(19) + "1000000";
    ASSERT_EQ(84u, kCash.size());
    EXPECT_EQ(kNone, rows[0]);
    EXPECT_EQ(kCash, rows[1]);
    EXPECT_EQ(" 100 " + ShiftJis("現金．小口") + Spaces(24) + " \t[" + ShiftJis("資産") +
                  "] KOGUCHI \t\t" + Spaces(19) + "1000003",
              rows[2]);
}

TEST(PullReadTest, DepartmentsAreIndentedTwoSpacesALevelBelowTheFirst) {
    const struct {
        const char* pszLevel;
        size_t nSpaces;
    } kCases[] = {{"1", 0},   {"3", 4},    {"0", 0},     {"-5", 0},
                  {"50", 98}, {"99", 196}, {"120", 196}, {"257", 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pszLevel);
        test::PullList list;
        list.Folder().Write("m_bumon.csv", {std::string("x,12345,部,部,KEY,") + c.pszLevel + ",1"});
        list.Make(1, 0x01);
        const std::string row = list.Rows().at(0);
        EXPECT_EQ(Spaces(c.nSpaces) + "12345 " + ShiftJis("部") + Spaces(14) + "KEY     ", row);
        // Rows longer than 127 bytes give their code too; without memory for them, none (not
        // even the company's).
        EXPECT_EQ(std::vector<ULONG>{12345}, list.Codes());
        if (test::Headless() != nullptr) {
            list.Store().m_wStyle = 0x21;
            test::Headless()->FailAllocationAfter(0);
            EXPECT_EQ(row.size() > 127 ? 0u : 12345u, list.Store().GetCode(&list.Combo()));
            test::Headless()->FailAllocationAfter(-1);
        }
    }
}

// What stands under a master file's name: nothing, the file, or what is no file and counts as
// missing: a folder, a FIFO (never waited on) or a file too large to read.
enum class Entry { kAbsent, kFile, kFolder, kFifo, kHuge };

// False where the platform makes no such entry.
bool MakeEntry(const test::MasterFolder& folder, const char* pszName, Entry entry,
               const std::vector<std::string>& lines) {
    if (entry == Entry::kFile)
        folder.Write(pszName, lines);
    else if (entry == Entry::kFolder)
        folder.MakeFolder(pszName);
    if (entry != Entry::kFifo && entry != Entry::kHuge)
        return true;
#ifdef _WIN32
    return false;
#else
    const std::string strPath = folder.Path() + pszName;
    if (entry == Entry::kFifo)
        return mkfifo(strPath.c_str(), 0600) == 0;
    folder.WriteBytes(pszName, "");
    std::filesystem::resize_file(strPath, 0x7FFFFFFF); // sparse: no disk is written
    return true;
#endif
}

struct ListedCase {
    const char* name;
    Entry accounts, subAccounts;
    short nKind;
    WORD wStyle;
    std::vector<ULONG> codes;
};

// Which records a list holds, by the files there are and the row styles.
TEST(PullReadTest, RecordsAreListedByTheirFlagsAndFiles) {
    std::vector<ULONG> withNone = {0};
    withNone.insert(withNone.end(), test::kAccountCodes.begin(), test::kAccountCodes.end());
    std::vector<ULONG> withAddNew(test::kAccountCodes.begin(), test::kAccountCodes.end());
    withAddNew.push_back(0xFFFFFFFF);
    const std::vector<ULONG> kAccountsOnly = {0, 1000000, 5000000, 51000000, 5200000};
    const ListedCase kCases[] = {
        {"all", Entry::kFile, Entry::kFile, 2, 0, withNone},
        {"add new row", Entry::kFile, Entry::kFile, 2, 0x11, withAddNew},
        {"no sub-accounts", Entry::kFile, Entry::kAbsent, 2, 0, kAccountsOnly},
        {"sub-accounts a folder", Entry::kFile, Entry::kFolder, 2, 0, kAccountsOnly},
        {"sub-accounts a FIFO", Entry::kFile, Entry::kFifo, 2, 0, kAccountsOnly},
        {"sub-accounts too large", Entry::kFile, Entry::kHuge, 2, 0, kAccountsOnly},
        {"sub-accounts only", Entry::kAbsent, Entry::kFile, 2, 0x10, {0, 0xFFFFFFFF}},
        {"accounts a FIFO", Entry::kFifo, Entry::kFile, 2, 0x10, {0, 0xFFFFFFFF}},
        {"no departments", Entry::kAbsent, Entry::kAbsent, 1, 0, {0}},
        {"no departments, company", Entry::kAbsent, Entry::kAbsent, 1, 0x21, {10000}},
    };
    for (const ListedCase& c : kCases) {
        SCOPED_TRACE(c.name);
        test::PullList list;
        if (!MakeEntry(list.Folder(), "m_kamoku.csv", c.accounts, test::kAccounts) ||
            !MakeEntry(list.Folder(), "m_hojo.csv", c.subAccounts, test::kSubAccounts))
            continue;
        list.Make(c.nKind, c.wStyle);
        EXPECT_EQ(c.codes, list.Codes());
    }
}

// Departments of code 10000 are listed only beside the company-wide row, whose code a
// department of code 0 then reads as too; a department's row is preselected by its code.
TEST(PullReadTest, DepartmentTenThousandComesWithTheCompanyRow) {
    test::PullList list;
    list.Folder().Write("m_bumon.csv",
                        {"x,10000,全社,全社,ALL,1,1", "x,0,零,零,Z,1,1", "x,7,部,部,BU,1,1"});
    EXPECT_EQ(2, list.Make(1, 0, 7));
    EXPECT_EQ((std::vector<ULONG>{0, 0, 7}), list.Codes());
    EXPECT_EQ(3, list.Make(1, 0x21, 10000));
    EXPECT_EQ((std::vector<ULONG>{10000, 10000, 7, 10000}), list.Codes());
}

// Lines are taken as the Windows C runtime's text mode gives them to fgets: each case is one
// line of m_bumon.csv and whether its department is listed.
TEST(PullReadTest, LinesAreReadAsTextModeGivesThem) {
    const std::string kFill(1023 - std::string("x,5,L,L,L,1,1,").size(), 'z');
    const struct {
        std::string line;
        LONG nListed;
    } kCases[] = {
        {"x,1,A,A,A,1,1\r\n", 1},
        {"\r\n\n", 0},
        {"x,2,B,B,B,1,1\r\r\n", 2},
        {std::string("x,3,C,C,C,1,1") + '\0' + ",9,D,D,D,1,1\n", 3},
        // Only the first 1023 bytes of a longer line are read; the rest is no line.
        {"x,5,L,L,L,1,1," + kFill + "x,6,M,M,M,1,1\n", 5},
        {"x,4," + std::string(1012, 'n') + ",L,L,1,1\n", 0}, // its use flag the 1024th byte
        // Quotes do not protect commas: A, and B" as the short name.
        {"x,7,\"A,B\",S\rT,K,1,1\n", 7},                     // a CR alone stays
        {"x,11,N,\",K,1,1\n", 11},                           // a lone quote is an empty field
        {"x,13,H,H,H,1," + std::string(67, '0') + "1\n", 0}, // a field holds 67 bytes
        {"x,8,U,U,U,1,0\n", 0},
        // A line without a line feed before Ctrl-Z, which ends the file.
        {"x,9,E,E,E,1,1\x1a", 0},
        {"x,10,F,F,F,1,1\n", 0},
    };
    std::string bytes;
    std::vector<ULONG> listed;
    for (const auto& c : kCases) {
        bytes += c.line;
        if (c.nListed != 0)
            listed.push_back(static_cast<ULONG>(c.nListed));
    }
    test::PullList list;
    list.Folder().WriteBytes("m_bumon.csv", bytes);
    list.Make(1, 0x01);
    EXPECT_EQ(listed, list.Codes());
    EXPECT_EQ("    7 B\"" + Spaces(14) + "S\rT     ", list.Rows().at(4));
    EXPECT_EQ("   11 " + Spaces(16) + "K       ", list.Rows().at(5));
}

// Text longer than its slot is cut there, never inside a double-byte character; a class without
// a name shows none; codes the rows cannot carry are not listed.
TEST(PullReadTest, FieldsAreCutToTheirSlots) {
    test::PullList list;
    list.Folder().Write("m_kamoku.csv", {"x,1,名,あいうえおかきくけ,ABCDEFGHIJ,0,0,0,0,0,1,0,1",
                                         "x,2,名,abcdefghijklmnoあ,K,0,14,0,0,0,0,0,1",
                                         "x,10000,名,範囲外,OUT,0,1,0,0,0,1,0,1",
                                         "x,-1,名,負,NEG,0,1,0,0,0,0,0,1"});
    list.Folder().Write("m_hojo.csv", {"1,x,0,名,零,Z", "1,x,10000,名,大,B",
                                       "1,x,9999,名,最後abcdefghijklmn,L", "10000,x,1,名,外,O"});
    list.Make(2, 0x01);
    const std::vector<std::string> rows = list.Rows();
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ("   1 " + ShiftJis("あいうえおかきく") + Spaces(18) + " \t[    ] ABCDEFGH\t\t" +
                  Spaces(21) + "10000",
              rows[0]);
    EXPECT_EQ(ShiftJis("あいうえおかきく．最後") + "abcdefghijkl", rows[1].substr(5, 34));
    EXPECT_EQ("   2 abcdefghijklmno" + Spaces(19) + " \t[    ] K       \t\t" + Spaces(21) + "20000",
              rows[2]);
    // A record's names come back cut as well, and nothing is written beyond the caller's block.
    struct {
        CODEDATA data;
        char cGuard;
    } out;
    std::memset(&out, 'G', sizeof(out));
    EXPECT_EQ(1, list.Store().GetRecord(nullptr, 19999, &out.data));
    EXPECT_EQ(ShiftJis("あいうえおかきく/最後") + "abcdefghijkl/G",
              std::string(out.data.szShortName) + "/" + out.data.szSubShortName + "/" + out.cGuard);
}

// The folder as a Windows host writes it, with backslashes, even around a double-byte
// character whose second byte is a backslash; a folder too long for a path has no files.
TEST(PullReadTest, FoldersAreTakenAsAWindowsHostWritesThem) {
    test::PullList list;
    const std::string kHyou = ShiftJis("表");
    const test::MasterFolder& folder = list.Folder();
    std::string backslashed = folder.MakeFolder(kHyou);
    folder.Write((kHyou + "/m_bumon.csv").c_str(), {"x,3,部,部,B,1,1"});
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    list.Make(backslashed, 1, 0x01, 0);
    EXPECT_EQ(std::vector<ULONG>{3}, list.Codes());

    // 259 bytes of path at the most.
    const std::string kName(246 - folder.Path().size(), 'd');
    const std::string kLong = folder.MakeFolder(kName);
    folder.Write((kName + "/m_bumon.csv").c_str(), {"x,4,部,部,B,1,1"});
    list.Make(kLong, 1, 0x01, 0);
    EXPECT_EQ(std::vector<ULONG>{4}, list.Codes());
    folder.MakeFolder(kName + "/d");
    folder.Write((kName + "/d/m_bumon.csv").c_str(), {"x,5,部,部,B,1,1"});
    list.Make(kLong + "d/", 1, 0x01, 0);
    EXPECT_TRUE(list.Codes().empty());
}

} // namespace
