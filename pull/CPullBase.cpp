// CPullBase: construction, and the codes of rows: reading a row's code, selecting the row of a
// code, the account record of a code, and freeing the record cache.
#include "CPullBase.h"

#include "CrtNumber.h"
#include "LockedArray.h"
#include "PullLayout.h"
#include "RowText.h"
#include "TextSlot.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// The number at byte nFirst of a row, read to the end of the row.
ULONG NumberFrom(const char* pszRow, int nLength, int nFirst) {
    return static_cast<ULONG>(CrtAtol(pszRow + std::min(nFirst, nLength)));
}

// The number in a field of a row, as far as the row reaches.
ULONG NumberIn(const char* pszRow, int nLength, PullLayout::Column field) {
    char szField[16] = {};
    std::strncpy(szField, pszRow + std::min(field.nFirst, nLength),
                 static_cast<size_t>(field.nWidth));
    return static_cast<ULONG>(CrtAtol(szField));
}
// Code fields fit the reader's buffer (checks at compile time).
static_assert(PullLayout::kHostCode.nWidth < 16, "host code");     // mutants: skip
static_assert(PullLayout::kDeptCodeWidth < 16, "department code"); // mutants: skip

// A department row made from the master files: indentation, the code right-aligned in five
// bytes, a space. The code field ends at the first space after the first non-space byte; a row
// without such a space ends it at its end.
ULONG DeptNumber(const char* pszRow, int nLength) {
    const char* pEnd = pszRow;
    while (*pEnd == ' ')
        ++pEnd;
    while (*pEnd != ' ' && *pEnd != '\0')
        ++pEnd;
    const int nEnd = static_cast<int>(pEnd - pszRow);
    const int nFirst = std::max(0, nEnd - PullLayout::kDeptCodeWidth);
    return NumberIn(pszRow, nLength, {nFirst, nEnd - nFirst});
}

} // namespace

CPullBase::CPullBase()
    : m_nItemHeight(-1), m_nKind(-1), m_bSized(0), m_pWnd(nullptr), m_wStyle(0), m_nCurSel(-1),
      m_hBrush(::CreateSolidBrush(0xFFFFFF)), m_crText(0x000000), m_crBack(0xFFFFFF), m_nSelect1(0),
      m_nSelect2(0), m_nInitSel(-1), m_szTyped(), m_bTypedAlpha(0), m_hData(nullptr), m_nData(0),
      m_hRowIndex(nullptr), m_nRowCount(0), m_szFolder(), m_bReadFiles(0), m_nFrozenRow(-1) {}

// The store owns its record cache, so a store that a control never freed leaks nothing.
CPullBase::~CPullBase() {
    GlobalFree(m_hData);
    GlobalFree(m_hRowIndex);
    if (m_hBrush != nullptr)
        ::DeleteObject(m_hBrush);
}

// Where a list kind keeps the code in its rows. Kinds without a row layout have no code.
ULONG CPullBase::ReadCode(const char* pszRow, int nLength) const {
    const bool bFromFiles = m_bReadFiles == 1;
    switch (m_nKind) {
    case PULL_KIND_DEPT:
        if (!bFromFiles)
            return NumberFrom(pszRow, nLength, PullLayout::kHostDeptCodeFirst);
        if (const ULONG nCode = DeptNumber(pszRow, nLength); nCode != 0)
            return nCode;
        return (m_wStyle & PULL_STYLE_COMPANY) ? PULL_CODE_COMPANY : 0;
    case PULL_KIND_ACCOUNT:
        return bFromFiles ? NumberFrom(pszRow, nLength, PullLayout::kAccountCodeRead.nFirst)
                          : NumberIn(pszRow, nLength, PullLayout::kHostCode);
    case PULL_KIND_HOST:
        return NumberIn(pszRow, nLength, PullLayout::kHostCode);
    default:
        return PULL_CODE_NONE;
    }
}

// The code a row stands for: the fixed rows by their place, the others by their text.
ULONG CPullBase::CodeOfRow(CWnd* pCombo, int nRow, int nCount) const {
    if ((m_wStyle & PULL_STYLE_ADD_NEW) && nRow == nCount - 1)
        return PULL_CODE_ADD_NEW;
    if (nRow < FirstRecordRow())
        return PULL_CODE_NONE;
    RowText row;
    return row.Read(pCombo, nRow) ? ReadCode(row.Text(), row.Length()) : PULL_CODE_NONE;
}

void CPullBase::FreezeRow(int nRow) {
    m_nFrozenRow = nRow;
    m_nCurSel = ShortRow(nRow);
}

void CPullBase::ReleaseRow() {
    FreezeRow(-1);
}

short CPullBase::ShortRow(int nRow) {
    return nRow >= 0 && nRow <= SHRT_MAX ? static_cast<short>(nRow) : -1;
}

ULONG CPullBase::GetCode(CWnd* pCombo) {
    const int nRow =
        m_nFrozenRow != -1 ? m_nFrozenRow : static_cast<int>(pCombo->SendMessage(CB_GETCURSEL));
    if (nRow < 0)
        return (m_wStyle & PULL_STYLE_ADD_NEW) ? PULL_CODE_ADD_NEW : PULL_CODE_NONE;
    return CodeOfRow(pCombo, nRow, static_cast<int>(pCombo->SendMessage(CB_GETCOUNT)));
}

// The first row whose code, read as GetCode reads it, is nCode, so that GetCode gives back the
// code that was set. (The company-wide row of a department list therefore answers to 10000
// even after a "none" row, which also stands for 0.)
void CPullBase::SetCode(ULONG nCode, CWnd* pCombo) {
    const int nCount = std::max(0, static_cast<int>(pCombo->SendMessage(CB_GETCOUNT)));
    if ((m_wStyle & PULL_STYLE_ADD_NEW) && nCode == PULL_CODE_ADD_NEW) {
        pCombo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nCount - 1));
        return;
    }
    for (int nRow = 0; nRow < nCount; ++nRow) {
        if (CodeOfRow(pCombo, nRow, nCount) == nCode) {
            pCombo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nRow));
            return;
        }
    }
    // No row has the code: the "none" row (row 0) when there is one, else no row.
    pCombo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(FirstRecordRow() - 1));
}

short CPullBase::GetRecord(CWnd* pCombo, ULONG nCode, void* pOut) {
    if (m_hData == nullptr || pOut == nullptr)
        return -1;
    if (m_nData < 1)
        return 0;
    if (m_nKind != PULL_KIND_ACCOUNT)
        return -1;
    CODEDATA* pData = static_cast<CODEDATA*>(pOut);
    std::memset(pData, 0, sizeof(CODEDATA));
    const WORD wAccount = static_cast<WORD>(nCode / PULL_SUB_CODES);
    const ULONG nSub = nCode % PULL_SUB_CODES;
    const LockedArray<ACCTREC> records(m_hData, m_nData);
    for (int i = 0; i < records.Count(); ++i) {
        const ACCTREC& record = records[i];
        if (record.wCode != wAccount)
            continue;
        if (record.wSubCode == 0) {
            pData->wCode = record.wCode;
            CopyToSlot(pData->szShortName, record.szShortName);
            pData->byClass = static_cast<BYTE>(record.byClass);
            pData->byAttr7 = record.byAttr7;
            pData->byAttr8 = record.byAttr8;
            pData->byAttr9 = record.byAttr9;
            pData->byAttr11 = record.byAttr11;
        } else if (record.wSubCode == nSub) {
            pData->wSubCode = record.wSubCode;
            CopyToSlot(pData->szSubShortName, record.szShortName);
        }
        if (record.wSubCode == nSub)
            return 1;
    }
    return 0;
}

// The counts stay: nothing reads them without the blocks, and the next list reloads.
short CPullBase::FreeData(CWnd* pCombo) {
    if (m_nKind != PULL_KIND_DEPT && m_nKind != PULL_KIND_ACCOUNT)
        return -1;
    GlobalFree(m_hData);
    GlobalFree(m_hRowIndex);
    m_hData = nullptr;
    m_hRowIndex = nullptr;
    return 1;
}
