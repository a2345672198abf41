// The account list of the pull-down benchmarks: its master files and the store that lists them.
#include "AccountList.h"

#include "AccountMasters.h"

#include <cstdio>
#include <system_error>

namespace {

constexpr int kAccounts = 10000;
constexpr int kSubAccounts = 100000;

// A folder of the system's temporary folder that no other run is using.
std::filesystem::path MakeFolder() {
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    for (unsigned n = 0;; ++n) {
        const std::filesystem::path folder = temp / ("pull_bench." + std::to_string(n));
        std::error_code error;
        if (std::filesystem::create_directory(folder, error))
            return folder;
    }
}

void Write(const std::string& strPath, const std::string& bytes) {
    FILE* pFile = std::fopen(strPath.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), pFile);
    std::fclose(pFile);
}

} // namespace

const char* const AccountList::kFiles[2] = {"m_kamoku.csv", "m_hojo.csv"};

AccountList::AccountList(HWND hwndCombo)
    : m_folder(MakeFolder()), m_strFolder((m_folder / "").string()) {
    const test::AccountMasters masters =
        test::MakeAccountMasters(kAccounts, kSubAccounts, 1, false);
    Write(m_strFolder + kFiles[0], masters.accounts);
    Write(m_strFolder + kFiles[1], masters.subAccounts);
    m_combo.Attach(hwndCombo);
    m_store.m_pWnd = &m_combo;
    std::snprintf(m_store.m_szFolder, sizeof(m_store.m_szFolder), "%s", m_strFolder.c_str());
    m_store.m_nKind = 2;
    m_store.m_bReadFiles = 1;
}

AccountList::~AccountList() {
    m_combo.Detach();
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
}

void AccountList::Load() {
    m_store.FreeData(&m_combo);
    Type("");
}

void AccountList::Type(const char* pszTyped) {
    std::snprintf(m_store.m_szTyped, sizeof(m_store.m_szTyped), "%s", pszTyped);
    short nSel = -1;
    m_store.MakeListBoxData2(2, 0, 0, 0, &nSel, &m_combo);
}

std::vector<std::string> AccountList::RowTexts() const {
    std::vector<std::string> rows;
    for (int i = 0; i < Rows(); ++i) {
        CString strRow;
        m_combo.GetLBText(i, strRow);
        rows.emplace_back(static_cast<const char*>(strRow));
    }
    return rows;
}
