// CPullRead: the lists made from the master files: the fixed rows, and the rows of the cached
// records that the typed text chooses, each carrying its code where CPullBase reads it back.
#include "CPullRead.h"

#include "LockedArray.h"
#include "RowFormat.h"
#include "TextSlot.h"
#include "TypedFilter.h"

namespace {

// "指定なし" (none)
constexpr char kNoneRow[] = "\x8e\x77\x92\xe8\x82\xc8\x82\xb5";
// "<新規追加>" (add new)
constexpr char kAddNewRow[] = "<\x90\x56\x8b\x4b\x92\xc7\x89\xc1>";
// "    0 全社共通        ZENSYA  " (company-wide)
constexpr char kCompanyRow[] = "    0 \x91\x53\x8e\xd0\x8b\xa4\x92\xca        ZENSYA  ";
// "．" (full-width full stop) between an account's short name and its sub-account's.
constexpr char kNameJoint[] = "\x81\x44";

// On a real user32 a combo box updates its list's scroll bar and repaints for every row added:
// the list is filled with the combo box's redraw off, and the combo box and its list are
// repainted once at the end, as the platform asks after WM_SETREDRAW. A host that had turned the
// combo box's redraw off finds it on again. No room is reserved with CB_INITSTORAGE: the row
// count is known only once the rows are chosen, and Wine's list grows its room cheaply anyway.
class RedrawOff {
public:
    explicit RedrawOff(CComboBox* pCombo) : m_pCombo(pCombo) {
        m_pCombo->SendMessage(WM_SETREDRAW, FALSE); // mutants: skip (spares repaints only)
    }
    ~RedrawOff() {
        m_pCombo->SendMessage(WM_SETREDRAW, TRUE);
        COMBOBOXINFO info = {};
        info.cbSize = sizeof(info);
        if (GetComboBoxInfo(m_pCombo->m_hWnd, &info))
            InvalidateRect(info.hwndList, nullptr, TRUE);
        m_pCombo->Invalidate();
    }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    CComboBox* m_pCombo;
};

} // namespace

// A row the combo box has no room for leaves the fixed rows only, as a failed allocation of the
// cache does, rather than a list whose rows no longer stand where the row index says; without
// room even for those, the list is empty.
void CPullRead::MakeList(short nKind, ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo) {
    const RedrawOff redrawOff(pCombo);
    const int nRow = *pnRow;
    if (AddListRows(nKind, nSelect1, wStyle, TRUE, pnRow, pCombo))
        return;
    *pnRow = nRow;
    if (!AddListRows(nKind, nSelect1, wStyle, FALSE, pnRow, pCombo))
        pCombo->SendMessage(CB_RESETCONTENT);
}

// The row of a code beyond a short's range is not reported, rather than another row in its
// place.
void CPullRead::MakeListBoxData2(short nKind, ULONG nSelect1, ULONG nSelect2, WORD wStyle,
                                 short* pnSel, CComboBox* pCombo) {
    int nRow = -1;
    MakeList(nKind, nSelect1, wStyle, &nRow, pCombo);
    if (pnSel != nullptr && ShortRow(nRow) != -1)
        *pnSel = ShortRow(nRow);
}

int CPullRead::MakeFromFolder(const char* pszFolder, CComboBox* pCombo) {
    if (m_nKind == PULL_KIND_DEPT || m_nKind == PULL_KIND_ACCOUNT) {
        SetFolder(pszFolder);
        FreeData(pCombo);
    }
    int nRow = -1;
    MakeList(m_nKind, m_nSelect1, m_wStyle, &nRow, pCombo);
    m_nInitSel = ShortRow(nRow);
    return nRow;
}

void CPullRead::Remake(CComboBox* pCombo) {
    if (m_bReadFiles == 1)
        MakeListBoxData2(m_nKind, m_nSelect1, m_nSelect2, m_wStyle, &m_nInitSel, pCombo);
    ReleaseRow();
}

BOOL CPullRead::AddListRows(short nKind, ULONG nSelect1, WORD wStyle, BOOL bRecords, int* pnRow,
                            CComboBox* pCombo) {
    pCombo->SendMessage(CB_RESETCONTENT);
    LRESULT nRows = 0; // the rows the list must hold
    if (!(wStyle & PULL_STYLE_NO_NONE)) {
        AddRow(pCombo, kNoneRow);
        ++nRows;
    }
    if (bRecords && nKind == PULL_KIND_DEPT)
        MakeDeptList(nSelect1, wStyle, pnRow, pCombo);
    else if (bRecords && nKind == PULL_KIND_ACCOUNT)
        MakeAccountList(nSelect1, wStyle, pnRow, pCombo);
    else
        m_nRowCount = 0;
    nRows += m_nRowCount;
    if (nKind == PULL_KIND_DEPT && (wStyle & PULL_STYLE_COMPANY)) {
        const int nRow = AddRow(pCombo, kCompanyRow);
        ++nRows;
        if (nSelect1 == PULL_CODE_COMPANY)
            Preselect(nRow, pnRow);
    }
    if (wStyle & PULL_STYLE_ADD_NEW) {
        AddRow(pCombo, kAddNewRow);
        ++nRows;
    }
    return pCombo->SendMessage(CB_GETCOUNT) == nRows;
}

void CPullRead::MakeDeptList(ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo) {
    m_nRowCount = 0;
    if (LoadCache(PULL_KIND_DEPT))
        AddDeptRows(nSelect1, wStyle, pnRow, pCombo);
}

void CPullRead::MakeAccountList(ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo) {
    m_nRowCount = 0;
    if (LoadCache(PULL_KIND_ACCOUNT))
        AddAccountRows(nSelect1, wStyle, pnRow, pCombo);
}

int CPullRead::AddRow(CComboBox* pCombo, const char* pszRow) {
    return static_cast<int>(pCombo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow)));
}

// A row the combo box did not take (a negative error) is none.
void CPullRead::Preselect(int nRow, int* pnRow) {
    if (nRow >= 0)
        *pnRow = nRow;
}

void CPullRead::AddDeptRows(ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo) {
    const LockedArray<DEPTREC> records(m_hData, m_nData);
    const LockedArray<DWORD> rows(m_hRowIndex, m_nData);
    TypedFilter filter(m_szTyped, m_bTypedAlpha);
    if (rows.Count() < records.Count()) // each record takes at most one row
        return;
    for (const DEPTREC& dept : records) {
        if ((dept.nCode == static_cast<LONG>(PULL_CODE_COMPANY) &&
             !(wStyle & PULL_STYLE_COMPANY)) ||
            !filter.Matches(dept.nCode, dept.szKey))
            continue;
        rows[m_nRowCount++] = static_cast<DWORD>(&dept - records.begin());
        const int nRow = AddRow(pCombo, DeptRow(dept).Text());
        // The whole code is compared: departments above 32767 are preselected too. (A record's
        // code is never negative.)
        if (static_cast<ULONG>(dept.nCode) == nSelect1)
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
    if (rows.Count() < records.Count()) // each record takes at most one row
        return;
    const ACCTREC* pAccount = nullptr;
    for (const ACCTREC& record : records) {
        if (record.wSubCode == 0)
            pAccount = &record;
        if (record.bUse != 1 || !filter.Matches(record.wCode, record.szKey))
            continue;
        rows[m_nRowCount++] = static_cast<DWORD>(&record - records.begin());
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
