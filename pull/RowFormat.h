// The row texts of the lists made from the master files, written at the columns of PullLayout.
#pragma once

#include "PullLayout.h"

#include <cstddef>

// A department row, room for the longest whatever the record holds: the deepest indentation, a
// code of any 32-bit value, and the short name and key at their widths.
class DeptRow {
public:
    explicit DeptRow(const DEPTREC& dept);
    const char* Text() const { return m_szRow; }

private:
    static constexpr size_t kLongest =
        PullLayout::kDeptIndentPerLevel * (PullLayout::kDeptLevelMax - 1) + 11 + 1 +
        PullLayout::kDeptShortNameWidth + PullLayout::kDeptKeyWidth;

    void Bytes(const char* p, size_t cb);
    void Spaces(int n);

    char m_szRow[kLongest + 1];
    size_t m_cb = 0;
};

// An account or sub-account row, whose shown name is added piece by piece.
class AccountRow {
public:
    explicit AccountRow(const ACCTREC& record);
    // 34 bytes at most in all.
    void AddToName(const char* p, size_t cb);
    const char* Text() const { return m_szRow; }

private:
    // Columns after the account code, which may outgrow its field by one digit.
    static constexpr int kFieldsFrom = PullLayout::kAccountCode.End();
    static constexpr size_t kEnd = PullLayout::kAccountCombined.End() - kFieldsFrom;

    char m_szRow[5 + kEnd + 1]; // an account code has five digits at most
    char* m_pFields;
    size_t m_cbName = 0;
};
