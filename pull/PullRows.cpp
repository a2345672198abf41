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
    // "%*d", or with bLeft "%-*s" and otherwise "%*s" for cb bytes of text.
    void Number(LONGLONG nValue, int nWidth) {
        char szDigits[24];
        const auto result = std::to_chars(szDigits, szDigits + sizeof(szDigits), nValue);
        const int cb = static_cast<int>(result.ptr - szDigits);
        Spaces(nWidth - cb);
        Bytes(szDigits, cb);
    }
    void Text(const char* p, size_t cb, int nWidth, bool bLeft) {
        if (!bLeft)
            Spaces(nWidth - static_cast<int>(cb));
        Bytes(p, cb);
        if (bLeft)
            Spaces(nWidth - static_cast<int>(cb));
    }
    template <size_t N>
    void Slot(const char (&szSlot)[N], int nWidth) {
        Text(szSlot, SlotLength(szSlot), nWidth, true);
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
// the combined code, which ends in column 83, beyond the drawn width of the list.
const char* FormatAccountRow(const ACCTREC& record, const char* pName, size_t cbName,
                             RowWriter* pRow) {
    pRow->Number(record.wCode, 4);
    pRow->Char(' ');
    pRow->Text(pName, cbName, 34, true);
    pRow->Char(' ');
    pRow->Char('\t');
    pRow->Char('[');
    const char* pszClass = ClassName(record.byClass);
    pRow->Text(pszClass, std::strlen(pszClass), 4, false);
    pRow->Char(']');
    pRow->Char(' ');
    pRow->Slot(record.szKey, 8);
    pRow->Char('\t');
    pRow->Char('\t');
    pRow->Number(static_cast<LONGLONG>(record.wCode) * PULL_SUB_CODES + record.wSubCode, 26);
    return pRow->Finish();
}

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

void CPullRead::AddDeptRows(ULONG nSelect1, WORD wStyle, short* pnSel, CComboBox* pCombo) {
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
            Preselect(nRow, pnSel);
    }
}

// A sub-account shows its account's short name, "．" and its own. Its records follow its
// account's record and the account's other sub-accounts, as the cache is loaded, so the owning
// account is the last account record before it.
void CPullRead::AddAccountRows(ULONG nSelect1, WORD wStyle, short* pnSel, CComboBox* pCombo) {
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
        char szName[2 * sizeof(record.szShortName) + sizeof(kNameJoint)];
        size_t cbName = 0;
        if (record.wSubCode != 0 && pAccount != nullptr && pAccount->wCode == record.wCode) {
            cbName = SlotLength(pAccount->szShortName);
            std::memcpy(szName, pAccount->szShortName, cbName);
            std::memcpy(szName + cbName, kNameJoint, 2);
            cbName += 2;
        }
        const size_t cbOwn = SlotLength(record.szShortName);
        std::memcpy(szName + cbName, record.szShortName, cbOwn);
        cbName += cbOwn;
        RowWriter row;
        const int nRow = AddRow(pCombo, FormatAccountRow(record, szName, cbName, &row));
        if (static_cast<ULONG>(record.wCode) * PULL_SUB_CODES + record.wSubCode == nSelect1)
            Preselect(nRow, pnSel);
    }
}
