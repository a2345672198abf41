// A pull-down store bound to a plain combo box created with the Win32 API, and a folder of
// master files written for it.
#pragma once

#include "MasterFolder.h"

#include <CPullRead.h>

#include <string>
#include <vector>

namespace test {

// A drop-down list combo box with strings, in a hidden parent of its own, and its store.
class PullList {
public:
    PullList();
    ~PullList();

    // Makes list nKind from the master files of the folder afresh, as a control's
    // PullMakeList2 does; the preselected row, or -1.
    short Make(short nKind, WORD wStyle = 0, ULONG nSelect1 = 0);
    short Make(const std::string& strFolder, short nKind, WORD wStyle, ULONG nSelect1);
    // Rebuilds the list from the cache for a typed text, as a control does for each character.
    void Type(const char* pszTyped);
    std::vector<std::string> Rows() const;
    // The code of every row, as GetCode reads it with the row selected.
    std::vector<ULONG> Codes();

    MasterFolder& Folder() { return m_folder; }
    CPullRead& Store() { return m_store; }
    CComboBox& Combo() { return m_combo; }
    HWND Parent() const { return m_hwndParent; }

private:
    MasterFolder m_folder;
    HWND m_hwndParent;
    CComboBox m_combo;
    CPullRead m_store;
};

} // namespace test
