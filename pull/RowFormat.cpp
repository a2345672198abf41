// The row texts of the lists made from the master files, written at the columns of PullLayout.
#include "RowFormat.h"

#include "TextSlot.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

using namespace PullLayout;

// Account-class names by class 1 to 13; other classes show an empty name.
constexpr const char* kClassNames[PULL_CLASS_COUNT] = {
    "\x8e\x91\x8e\x59", // "資産" assets
    "\x95\x89\x8d\xc2", // "負債" liabilities
    "\x8e\x91\x96\x7b", // "資本" capital
    "\x94\x84\x8f\xe3", // "売上" sales
    "\x8c\xb4\x89\xbf", // "原価" cost of sales
    "\x94\xcc\x8a\xc7", // "販管" selling and administrative
    "\x8a\x4f\x8e\xfb", // "外収" non-operating income
    "\x8a\x4f\x94\xef", // "外費" non-operating expenses
    "\x93\xc1\x97\x98", // "特利" extraordinary gains
    "\x93\xc1\x91\xb9", // "特損" extraordinary losses
    "\x90\xbb\x91\xa2", // "製造" manufacturing
    "\x93\xc1\x8e\xea", // "特殊" special
    "\x81\x40\x81\x40", // "　　" two full-width spaces
};

const char* ClassName(signed char byClass) {
    return byClass >= 1 && byClass <= PULL_CLASS_COUNT ? kClassNames[byClass - 1] : "";
}

// "%d" into szDigits, unterminated; the number of bytes.
template <typename T>
size_t Decimal(T nValue, char (&szDigits)[12]) {
    return static_cast<size_t>(std::to_chars(szDigits, szDigits + sizeof(szDigits), nValue).ptr -
                               szDigits);
}

} // namespace

// "%s%5d %-16s%-8s" in printf's manner: a field that outgrows its width pushes the next on.
DeptRow::DeptRow(const DEPTREC& dept) {
    const int nLevel = std::clamp<int>(dept.cLevel, 1, kDeptLevelMax);
    Spaces(kDeptIndentPerLevel * (nLevel - 1));
    char szDigits[12];
    const size_t cbCode = Decimal(dept.nCode, szDigits);
    Spaces(kDeptCodeWidth - static_cast<int>(cbCode));
    Bytes(szDigits, cbCode);
    Spaces(1);
    const size_t cbName = SlotLength(dept.szShortName);
    Bytes(dept.szShortName, cbName);
    Spaces(kDeptShortNameWidth - static_cast<int>(cbName));
    const size_t cbKey = SlotLength(dept.szKey);
    Bytes(dept.szKey, cbKey);
    Spaces(kDeptKeyWidth - static_cast<int>(cbKey));
    m_szRow[m_cb] = '\0';
}

void DeptRow::Bytes(const char* p, size_t cb) {
    std::memcpy(m_szRow + m_cb, p, cb);
    m_cb += cb;
}

// A field that outgrows its width takes no spaces.
void DeptRow::Spaces(int n) {
    const size_t cb = static_cast<size_t>(std::max(n, 0));
    std::memset(m_szRow + m_cb, ' ', cb);
    m_cb += cb;
}

// No field but the account code can outgrow its width (the name and the key fit their fields,
// a class name is 4 bytes, a combined code 10 digits), so every field after the code has its
// own column: the row is blanked once and each field written in its place.
AccountRow::AccountRow(const ACCTREC& record) {
    std::memset(m_szRow, ' ', sizeof(m_szRow));
    char szDigits[12];
    const size_t cbCode = Decimal(record.wCode, szDigits);
    m_pFields = m_szRow + std::max<size_t>(cbCode, kFieldsFrom);
    std::memcpy(m_pFields - cbCode, szDigits, cbCode);
    char* const pTab = m_pFields + kAccountClassTab - kFieldsFrom;
    pTab[0] = '\t';
    pTab[1] = '[';
    char* const pClassEnd = m_pFields + kAccountClass.End() - 1 - kFieldsFrom;
    const char* pszClass = ClassName(record.byClass);
    const size_t cbClass = std::strlen(pszClass);
    std::memcpy(pClassEnd - cbClass, pszClass, cbClass);
    pClassEnd[0] = ']';
    std::memcpy(m_pFields + kAccountKey.nFirst - kFieldsFrom, record.szKey,
                SlotLength(record.szKey));
    char* const pTabs = m_pFields + kAccountCodeTabs - kFieldsFrom;
    pTabs[0] = '\t';
    pTabs[1] = '\t';
    const size_t cbCombined =
        Decimal(static_cast<ULONG>(record.wCode) * PULL_SUB_CODES + record.wSubCode, szDigits);
    std::memcpy(m_pFields + kEnd - cbCombined, szDigits, cbCombined);
    m_pFields[kEnd] = '\0';
}

void AccountRow::AddToName(const char* p, size_t cb) {
    std::memcpy(m_pFields + kAccountName.nFirst - kFieldsFrom + m_cbName, p, cb);
    m_cbName += cb;
}
