// The records that the lines of the master files make: fields cut at every comma, a leading
// double quote and the one that then ends the field dropped, at most 67 bytes a field; numbers
// read as the C runtime's atoi, keeping the low bits that their column holds; text cut to its
// slot.
//
// Codes the rows cannot carry (departments outside 0..99999, accounts above 9999, sub-accounts
// outside 1..9999) would give rows whose code reads back wrong or names another record, so
// their lines are not stored. A sub-account line that is not stored still belongs to its
// account's run of lines.
#include "MasterLine.h"

#include "CrtNumber.h"
#include "TextSlot.h"

#include <cstddef>

namespace {

constexpr int kMaxColumns = 13;
constexpr size_t kFieldSize = 67;

class Fields {
public:
    // The first nColumns columns are cut out of the line.
    explicit Fields(char* pszLine, int nColumns = kMaxColumns);

    // Text of column n, empty beyond the line's last column.
    const char* Text(int n) const { return n < m_nCount ? m_apszColumns[n] : ""; }
    LONG Number(int n) const { return CrtAtol(Text(n)); }
    BYTE Byte(int n) const { return static_cast<BYTE>(Number(n)); }
    WORD Word(int n) const { return static_cast<WORD>(Number(n)); }

private:
    const char* m_apszColumns[kMaxColumns];
    int m_nCount = 0;
};

// Quotes do not protect commas, and no trail byte of a double-byte character is a comma or a
// quote, so the line is cut byte by byte.
Fields::Fields(char* pszLine, int nColumns) {
    char* p = pszLine;
    while (m_nCount < nColumns) {
        char* pField = p;
        while (*p != ',' && *p != '\0')
            ++p;
        char* pEnd = p;
        const bool bLast = *p == '\0';
        if (!bLast)
            ++p;
        if (*pField == '"') {
            ++pField;
            if (pEnd > pField && pEnd[-1] == '"')
                --pEnd;
        }
        if (pEnd - pField > static_cast<ptrdiff_t>(kFieldSize))
            pEnd = pField + ShiftJis::FittingLength(pField, kFieldSize);
        *pEnd = '\0';
        m_apszColumns[m_nCount++] = pField;
        if (bLast)
            break;
    }
}

// Every record has a name, a short name and a key, in three columns from nFirst.
template <typename TRecord>
void ReadNames(const Fields& fields, int nFirst, TRecord* pRecord) {
    CopyToSlot(pRecord->szName, fields.Text(nFirst));
    CopyToSlot(pRecord->szShortName, fields.Text(nFirst + 1));
    CopyToSlot(pRecord->szKey, fields.Text(nFirst + 2));
}

} // namespace

bool ReadDeptLine(char* pszLine, DEPTREC* pRecord) {
    const Fields fields(pszLine);
    *pRecord = {};
    pRecord->nCode = fields.Number(1);
    ReadNames(fields, 2, pRecord);
    pRecord->cLevel = static_cast<signed char>(fields.Byte(5));
    pRecord->cUse = fields.Byte(6);
    return pRecord->cUse == 1 && pRecord->nCode >= 0 && pRecord->nCode <= PULL_DEPT_CODE_MAX;
}

bool ReadAccountLine(char* pszLine, ACCTREC* pRecord) {
    const Fields fields(pszLine);
    *pRecord = {};
    pRecord->wCode = fields.Word(1);
    ReadNames(fields, 2, pRecord);
    pRecord->byAttr5 = fields.Byte(5);
    pRecord->byClass = static_cast<signed char>(fields.Byte(6));
    pRecord->byAttr7 = fields.Byte(7);
    pRecord->byAttr8 = fields.Byte(8);
    pRecord->byAttr9 = fields.Byte(9);
    pRecord->bHasSub = fields.Byte(10);
    pRecord->byAttr11 = fields.Byte(11);
    pRecord->bUse = fields.Byte(12);
    return (pRecord->bUse == 1 || pRecord->bHasSub == 1) && pRecord->wCode <= PULL_ACCOUNT_CODE_MAX;
}

WORD ReadSubAccountOwner(char* pszLine) {
    return Fields(pszLine, 1).Word(0);
}

bool ReadSubAccountLine(char* pszLine, WORD* pwAccount, ACCTREC* pRecord) {
    const Fields fields(pszLine);
    *pRecord = {};
    *pwAccount = pRecord->wCode = fields.Word(0);
    pRecord->wSubCode = fields.Word(2);
    ReadNames(fields, 3, pRecord);
    pRecord->bUse = 1;
    return pRecord->wSubCode >= 1 && pRecord->wSubCode <= PULL_ACCOUNT_CODE_MAX;
}
