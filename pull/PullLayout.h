// The rows of the pull-down lists: where each list kind's rows hold their fields, where a row's
// code is read back, and how wide the drop-down list shows them. The rows are written and their
// codes read from these columns alone, so that writer and reader agree by construction.
#pragma once

#include "PullRecords.h"

namespace PullLayout {

// A field of a row: its first byte column (from 0) and its width in bytes.
struct Column {
    int nFirst;
    int nWidth;
    constexpr int End() const { return nFirst + nWidth; }
};

constexpr int Digits(unsigned long nValue) {
    return nValue < 10 ? 1 : 1 + Digits(nValue / 10);
}

// Drop-down list widths, in average characters, of the lists the host fills and of the lists
// made from the master files; a multi-column list's width is set at run time.
constexpr WORD kHostDeptWidth = 23, kHostAccountWidth = 29, kHostListWidth = 23;
constexpr WORD kFilesDeptWidth = 50, kFilesAccountWidth = 50, kFilesHostWidth = 26;

// Lists the host fills: a department row carries its code from byte 23 to its end, beyond the
// drawn width; the rows of the other kinds in bytes 10-15.
constexpr int kHostDeptCodeFirst = 23;
constexpr Column kHostCode = {10, 6};
static_assert(kHostDeptCodeFirst >= kHostDeptWidth, "the code is carried, not shown");

// Department rows, "%s%5d %-16s%-8s": the indentation of the level (two spaces a level below
// the first, levels 1 to 99), the code right-aligned, a space, the short name and the key. The
// code ends at the first space after the first non-space byte.
constexpr int kDeptIndentPerLevel = 2;
constexpr int kDeptLevelMax = 99;
constexpr int kDeptCodeWidth = 5;
constexpr int kDeptShortNameWidth = 16;
constexpr int kDeptKeyWidth = 8;
static_assert(Digits(PULL_DEPT_CODE_MAX) == kDeptCodeWidth, "a department code fills its field");
static_assert(kDeptShortNameWidth == sizeof(DEPTREC::szShortName) - 1, "a short name fits");
static_assert(kDeptKeyWidth == sizeof(DEPTREC::szKey) - 1, "a key fits");

// Account and sub-account rows, "%4d %-34s \t[%4s] %-8s\t\t%26d": the account code, the shown
// name, a TAB, the class name in brackets, the key, two TABs and the combined code, of which
// the code is read from the last eight columns.
constexpr Column kAccountCode = {0, 4};
constexpr Column kAccountName = {5, 34};
constexpr int kAccountClassTab = 40;
constexpr Column kAccountClass = {41, 6}; // "[", the class name right-aligned in 4 bytes, "]"
constexpr Column kAccountKey = {48, 8};
constexpr int kAccountCodeTabs = 56;
constexpr Column kAccountCombined = {58, 26};
constexpr Column kAccountCodeRead = {76, 8};
constexpr int kClassNameWidth = 4;

static_assert(Digits(PULL_ACCOUNT_CODE_MAX) == kAccountCode.nWidth, "an account code fits");
static_assert(kAccountName.nFirst == kAccountCode.End() + 1, "a space after the code");
// The shown name of a sub-account: its account's short name, "．" and its own.
static_assert(kAccountName.nWidth == 2 * (sizeof(ACCTREC::szShortName) - 1) + 2, "names fit");
static_assert(kAccountClassTab == kAccountName.End() + 1, "a space, then the TAB");
static_assert(kAccountClass.nFirst == kAccountClassTab + 1, "the class after the TAB");
static_assert(kAccountClass.nWidth == kClassNameWidth + 2, "the class name in brackets");
static_assert(kAccountKey.nFirst == kAccountClass.End() + 1, "a space before the key");
static_assert(kAccountKey.nWidth == sizeof(ACCTREC::szKey) - 1, "a key fits");
static_assert(kAccountCodeTabs == kAccountKey.End(), "the two TABs after the key");
static_assert(kAccountCombined.nFirst == kAccountCodeTabs + 2, "the combined code after them");
static_assert(kAccountCodeRead.End() == kAccountCombined.End(), "read where the code ends");
constexpr ULONG kLargestCombined = PULL_ACCOUNT_CODE_MAX * PULL_SUB_CODES + // mutants: skip
                                   PULL_ACCOUNT_CODE_MAX;                   // (compile time only)
static_assert(Digits(kLargestCombined) == kAccountCodeRead.nWidth,
              "the read columns hold every combined code");
static_assert(kAccountCodeRead.nFirst >= kFilesAccountWidth, // mutants: skip (compile time)
              "the code is carried, not shown");

} // namespace PullLayout
