// The account list of the pull-down benchmarks: 10,000 accounts, every other one with 20
// sub-accounts (100,000 in all), in master files written to a folder of their own, made by the
// store into a combo box the program gives.
#pragma once

#include <CPullRead.h>

#include <filesystem>
#include <string>
#include <vector>

class AccountList {
public:
    explicit AccountList(HWND hwndCombo);
    ~AccountList();
    AccountList(const AccountList&) = delete;
    AccountList& operator=(const AccountList&) = delete;

    // PullMakeList2: the cache is read afresh.
    void Load();
    // A rebuild from the cache for the typed text.
    void Type(const char* pszTyped);

    int Rows() const { return m_combo.GetCount(); }
    std::vector<std::string> RowTexts() const;
    CComboBox& Combo() { return m_combo; }
    // The folder of the master files, ending in its separator.
    const std::string& Folder() const { return m_strFolder; }
    const CPullRead& Store() const { return m_store; }

    static const char* const kFiles[2]; // m_kamoku.csv, m_hojo.csv

private:
    std::filesystem::path m_folder;
    std::string m_strFolder;
    CComboBox m_combo;
    CPullRead m_store;
};
