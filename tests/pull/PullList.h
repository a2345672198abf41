// A pull-down store bound to a plain combo box created with the Win32 API, and a folder of
// master files written for it.
#pragma once

#include "MasterData.h"
#include "MasterFolder.h"

#include <CPullRead.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace test {

// A drop-down list combo box with strings, in a hidden parent of its own, and its store.
class PullList {
public:
    PullList() {
        m_combo.Attach(
            CreateWindowExA(0, "COMBOBOX", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS,
                            0, 0, 200, 200, m_hwndParent, nullptr, nullptr, nullptr));
        m_store.m_pWnd = &m_combo;
    }
    ~PullList() {
        m_combo.Detach();
        DestroyWindow(m_hwndParent);
    }

    // Writes the account masters most tests read, and the departments with bDepts.
    void WriteMasters(bool bDepts = false) {
        if (bDepts)
            m_folder.Write("m_bumon.csv", kDepts);
        m_folder.Write("m_kamoku.csv", kAccounts);
        m_folder.Write("m_hojo.csv", kSubAccounts);
    }
    // Makes list nKind from the master files of the folder afresh, as a control's
    // PullMakeList2 does; the preselected row, or -1.
    short Make(short nKind, WORD wStyle = 0, ULONG nSelect1 = 0) {
        return Make(m_folder.Path(), nKind, wStyle, nSelect1);
    }
    short Make(const std::string& strFolder, short nKind, WORD wStyle, ULONG nSelect1) {
        m_store.DescribeList(nKind, nSelect1, 0, wStyle, 1);
        m_store.MakeFromFolder(strFolder.c_str(), &m_combo);
        return m_store.m_nInitSel;
    }
    // Rebuilds the list from the cache for a typed text, as a control does for each character.
    void Type(const char* pszTyped) {
        // Six characters fill the field without a terminator.
        std::memset(m_store.m_szTyped, 0, sizeof(m_store.m_szTyped));
        std::memcpy(m_store.m_szTyped, pszTyped,
                    std::min(std::strlen(pszTyped), sizeof(m_store.m_szTyped)));
        m_store.m_bTypedAlpha = pszTyped[0] != '\0' && (pszTyped[0] < '0' || pszTyped[0] > '9');
        short nSel = -1;
        m_store.MakeListBoxData2(m_store.m_nKind, m_store.m_nSelect1, 0, m_store.m_wStyle, &nSel,
                                 &m_combo);
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows(static_cast<size_t>(m_combo.GetCount()));
        for (size_t i = 0; i < rows.size(); ++i) {
            rows[i].resize(static_cast<size_t>(SendMessageA(m_combo, CB_GETLBTEXTLEN, i, 0)) + 1);
            SendMessageA(m_combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&rows[i][0]));
            rows[i].pop_back();
        }
        return rows;
    }
    // The code of every row, as GetCode reads it with the row selected.
    std::vector<ULONG> Codes() {
        std::vector<ULONG> codes;
        for (int i = 0; i < m_combo.GetCount(); ++i) {
            m_combo.SetCurSel(i);
            codes.push_back(m_store.GetCode(&m_combo));
        }
        return codes;
    }

    MasterFolder& Folder() { return m_folder; }
    CPullRead& Store() { return m_store; }
    CComboBox& Combo() { return m_combo; }
    HWND Parent() const { return m_hwndParent; }

private:
    MasterFolder m_folder;
    HWND m_hwndParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                        nullptr, nullptr);
    CComboBox m_combo;
    CPullRead m_store;
};

} // namespace test
