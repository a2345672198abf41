// CPullRead: the rows of the cached records that the typed text chooses, each carrying its code
// where CPullBase reads it back.
#include "CPullRead.h"

#include "CrtNumber.h"
#include "LockedArray.h"
#include "PullRecords.h"
#include "TextSlot.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

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

// "．" (full-width full stop) between an account's short name and its sub-account's.
constexpr char kNameJoint[] = "\x81\x44";

const char* ClassName(signed char byClass) {
    return byClass >= 1 && byClass <= PULL_CLASS_COUNT ? kClassNames[byClass - 1] : "";
}

// "%d" into szDigits, unterminated; the number of bytes.
template <typename T>
size_t Decimal(T nValue, char (&szDigits)[12]) {
    return static_cast<size_t>(std::to_chars(szDigits, szDigits + sizeof(szDigits), nValue).ptr -
                               szDigits);
}

// One row text in printf's manner. The longest row, a department indented 196 spaces, takes
// 226 bytes; nothing is written past the buffer whatever is asked.
class RowWriter {
public:
    void Char(char ch) { Bytes(&ch, 1); }
    void Spaces(int n) {
        const size_t cb = std::min(static_cast<size_t>(std::max(n, 0)), Room());
        std::memset(m_szRow + m_cb, ' ', cb);
        m_cb += cb;
    }
    // "%*d", and "%-*s" for the text of a slot.
    void Number(LONG nValue, int nWidth) {
        char szDigits[12];
        const size_t cb = Decimal(nValue, szDigits);
        Spaces(nWidth - static_cast<int>(cb));
        Bytes(szDigits, cb);
    }
    template <size_t N>
    void Slot(const char (&szSlot)[N], int nWidth) {
        const size_t cb = SlotLength(szSlot);
        Bytes(szSlot, cb);
        Spaces(nWidth - static_cast<int>(cb));
    }
    const char* Finish() {
        m_szRow[m_cb] = '\0';
        return m_szRow;
    }

private:
    size_t Room() const { return sizeof(m_szRow) - 1 - m_cb; }
    void Bytes(const char* p, size_t cb) {
        cb = std::min(cb, Room());
        std::memcpy(m_szRow + m_cb, p, cb);
        m_cb += cb;
    }

    char m_szRow[256];
    size_t m_cb = 0;
};

// "%s%5d %-16s%-8s": the indentation of the level, the code, the short name and the key. The
// level counts from 1 to 99, two spaces a level below the first.
const char* FormatDeptRow(const DEPTREC& dept, RowWriter* pRow) {
    const int nLevel = std::clamp<int>(dept.cLevel, 1, 99);
    pRow->Spaces(2 * (nLevel - 1));
    pRow->Number(dept.nCode, 5);
    pRow->Char(' ');
    pRow->Slot(dept.szShortName, 16);
    pRow->Slot(dept.szKey, 8);
    return pRow->Finish();
}

// "%4d %-34s \t[%4s] %-8s\t\t%26d": the account code, the name, the class name, the key and
// the combined code, which ends in column 83, beyond the drawn width of the list. No field but
// the account code can outgrow its width (a name is two 16-byte short names and "．", a key 8
// bytes, a class name 4, a combined code 10 digits), so every field after the code has its own
// column: the row is blanked once and each field written in its place.
class AccountRow {
public:
    explicit AccountRow(const ACCTREC& record) {
        std::memset(m_szRow, ' ', sizeof(m_szRow));
        char szDigits[12];
        const size_t cbCode = Decimal(record.wCode, szDigits);
        m_pFields = m_szRow + std::max<size_t>(cbCode, kCodeWidth);
        std::memcpy(m_pFields - cbCode, szDigits, cbCode);
        m_pFields[kClass - 2] = '\t';
        m_pFields[kClass - 1] = '[';
        const char* pszClass = ClassName(record.byClass);
        const size_t cbClass = std::strlen(pszClass);
        std::memcpy(m_pFields + kKey - 2 - cbClass, pszClass, cbClass);
        m_pFields[kKey - 2] = ']';
        std::memcpy(m_pFields + kKey, record.szKey, SlotLength(record.szKey));
        m_pFields[kCombined - 2] = '\t';
        m_pFields[kCombined - 1] = '\t';
        const size_t cbCombined =
            Decimal(static_cast<ULONG>(record.wCode) * PULL_SUB_CODES + record.wSubCode, szDigits);
        std::memcpy(m_pFields + kEnd - cbCombined, szDigits, cbCombined);
        m_pFields[kEnd] = '\0';
    }

    // The shown name, piece by piece: 34 bytes at most in all.
    void AddToName(const char* p, size_t cb) {
        std::memcpy(m_pFields + kName + m_cbName, p, cb);
        m_cbName += cb;
    }
    const char* Text() const { return m_szRow; }

private:
    static constexpr size_t kCodeWidth = 4;
    // Columns after the account code.
    static constexpr size_t kName = 1, kClass = 38, kKey = 44, kCombined = 54, kEnd = 80;

    char m_szRow[5 + kEnd + 1]; // an account code has five digits at most
    char* m_pFields;
    size_t m_cbName = 0;
};

// The typed text that chooses the records: the start of the key when the search began with a
// non-digit, else the start of the code written in decimal. A code search whose number is 0
// (0, 00) chooses nothing.
class TypedFilter {
public:
    TypedFilter(const char (&szTyped)[6], WORD bTypedAlpha) : m_bByKey(bTypedAlpha == 1) {
        // The field is written by the controls; it is read up to 5 characters whatever its end.
        for (m_cb = 0; m_cb < sizeof(m_szText) - 1 && szTyped[m_cb] != '\0'; ++m_cb)
            m_szText[m_cb] = ShiftJis::UpperLetter(szTyped[m_cb]);
        m_bNothing =
            m_cb != 0 && !m_bByKey && (static_cast<ULONG>(CrtAtol(m_szText)) & 0xFFFF) == 0;
    }

    bool ChoosesNothing() const { return m_bNothing; }

    bool Matches(LONG nCode, const char (&szKey)[9]) {
        if (m_cb == 0)
            return true;
        if (m_bByKey)
            return std::strncmp(szKey, m_szText, m_cb) == 0;
        // Sub-accounts follow their account: the code just tested comes again and again.
        if (nCode != m_nLastCode) {
            char szDigits[12];
            const auto result = std::to_chars(szDigits, szDigits + sizeof(szDigits), nCode);
            m_nLastCode = nCode;
            m_bLastMatch = static_cast<size_t>(result.ptr - szDigits) >= m_cb &&
                           std::memcmp(szDigits, m_szText, m_cb) == 0;
        }
        return m_bLastMatch;
    }

private:
    bool m_bByKey;
    bool m_bNothing;
    size_t m_cb;
    char m_szText[6] = {};
    LONG m_nLastCode = -1;
    bool m_bLastMatch = false;
};

} // namespace

void CPullRead::AddDeptRows(ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo) {
    const LockedArray<DEPTREC> records(m_hData, m_nData);
    const LockedArray<DWORD> rows(m_hRowIndex, m_nData);
    TypedFilter filter(m_szTyped, m_bTypedAlpha);
    if (!records.IsLocked() || !rows.IsLocked() || filter.ChoosesNothing())
        return;
    for (int i = 0; i < records.Count() && m_nRowCount < rows.Count(); ++i) {
        const DEPTREC& dept = records[i];
        if ((dept.nCode == static_cast<LONG>(PULL_CODE_COMPANY) &&
             !(wStyle & PULL_STYLE_COMPANY)) ||
            !filter.Matches(dept.nCode, dept.szKey))
            continue;
        rows[m_nRowCount++] = static_cast<DWORD>(i);
        RowWriter row;
        const int nRow = AddRow(pCombo, FormatDeptRow(dept, &row));
        // The whole code is compared: departments above 32767 are preselected too.
        if (dept.nCode >= 0 && static_cast<ULONG>(dept.nCode) == nSelect1)
            Preselect(nRow, pnRow);
    }
}

// A sub-account shows its account's short name, "．" and its own. Its records follow its
// account's record and the account's other sub-accounts, as the cache is loaded, so the owning
// account is the last account record before it.
void CPullRead::AddAccountRows(ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo) {
    const LockedArray<ACCTREC> records(m_hData, m_nData);
    const LockedArray<DWORD> rows(m_hRowIndex, m_nData);
    TypedFilter filter(m_szTyped, m_bTypedAlpha);
    if (!records.IsLocked() || !rows.IsLocked() || filter.ChoosesNothing())
        return;
    const ACCTREC* pAccount = nullptr;
    for (int i = 0; i < records.Count() && m_nRowCount < rows.Count(); ++i) {
        const ACCTREC& record = records[i];
        if (record.wSubCode == 0)
            pAccount = &record;
        if (record.bUse != 1 || !filter.Matches(record.wCode, record.szKey))
            continue;
        rows[m_nRowCount++] = static_cast<DWORD>(i);
        AccountRow row(record);
        if (record.wSubCode != 0 && pAccount != nullptr && pAccount->wCode == record.wCode) {
            row.AddToName(pAccount->szShortName, SlotLength(pAccount->szShortName));
            row.AddToName(kNameJoint, 2);
        }
        row.AddToName(record.szShortName, SlotLength(record.szShortName));
        const int nRow = AddRow(pCombo, row.Text());
        if (static_cast<ULONG>(record.wCode) * PULL_SUB_CODES + record.wSubCode == nSelect1)
            Preselect(nRow, pnRow);
    }
}
