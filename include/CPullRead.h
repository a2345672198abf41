// CPullRead: fills a pull-down list with the rows of the department master (m_bumon.csv) or of
// the account and sub-account masters (m_kamoku.csv, m_hojo.csv) in the store's folder.
#pragma once

#include "CPullBase.h"

class CPullRead : public CPullBase {
public:
    // Empties pCombo and fills it with the rows of list nKind (1 departments, 2 accounts with
    // their sub-accounts; other kinds get only the fixed rows) that match the typed text.
    // *pnSel receives the index of the row of code nSelect1 and is left alone when no row has
    // it. nSelect2 is not used. The master files are read only when no records are cached.
    AFX_EXT_CLASS void MakeListBoxData2(short nKind, ULONG nSelect1, ULONG nSelect2, WORD wStyle,
                                        short* pnSel, CComboBox* pCombo);
    // The same, with the row of nSelect1 at its full width: a list may hold more rows than a
    // short counts, and *pnSel reports only those up to 32,767.
    void MakeList(short nKind, ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo);

    // Makes the described list from the master files in pszFolder, read afresh; the row of
    // m_nSelect1 at its full width (-1: none), which m_nInitSel holds up to 32,767.
    int MakeFromFolder(const char* pszFolder, CComboBox* pCombo);
    // Makes a list from the master files again, for the typed text; in every case no row stays
    // frozen. The rows of a list the host fills stay.
    void Remake(CComboBox* pCombo);

    void MakeDeptList(ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo);
    void MakeAccountList(ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo);

private:
    // Empties pCombo and adds the list's rows, the records' only when bRecords; FALSE when the
    // combo box did not take them all.
    BOOL AddListRows(short nKind, ULONG nSelect1, WORD wStyle, BOOL bRecords, int* pnRow,
                     CComboBox* pCombo);
    // The row's index in the combo box, or a negative error.
    static int AddRow(CComboBox* pCombo, const char* pszRow);
    static void Preselect(int nRow, int* pnRow);
    // The record cache of a kind, loaded from the master files when it is empty, and the row
    // index; FALSE when there is nothing to list.
    BOOL LoadCache(short nKind);
    BOOL AllocateCache(int nRecords, size_t cbRecord);
    BOOL LoadDepts(const char* pszFolder);
    BOOL LoadAccounts(const char* pszFolder);
    // Lists the cached records that the typed text chooses, in file order.
    void AddDeptRows(ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo);
    void AddAccountRows(ULONG nSelect1, WORD wStyle, int* pnRow, CComboBox* pCombo);
};
