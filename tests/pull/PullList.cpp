// A pull-down store bound to a plain combo box.
#include "PullList.h"

#include <algorithm>
#include <cstring>

namespace test {

PullList::PullList()
    : m_hwndParent(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                   nullptr, nullptr)) {
    m_combo.Attach(CreateWindowExA(
        0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS,
        0, 0, 200, 200, m_hwndParent, nullptr, nullptr, nullptr));
    m_store.m_pWnd = &m_combo;
}

PullList::~PullList() {
    m_combo.Detach();
    DestroyWindow(m_hwndParent);
}

short PullList::Make(short nKind, WORD wStyle, ULONG nSelect1) {
    return Make(m_folder.Path(), nKind, wStyle, nSelect1);
}

short PullList::Make(const std::string& strFolder, short nKind, WORD wStyle, ULONG nSelect1) {
    m_store.DescribeList(nKind, nSelect1, 0, wStyle, 1);
    m_store.MakeFromFolder(strFolder.c_str(), &m_combo);
    return m_store.m_nInitSel;
}

void PullList::Type(const char* pszTyped) {
    // Six characters fill the field without a terminator.
    std::memset(m_store.m_szTyped, 0, sizeof(m_store.m_szTyped));
    std::memcpy(m_store.m_szTyped, pszTyped,
                std::min(std::strlen(pszTyped), sizeof(m_store.m_szTyped)));
    m_store.m_bTypedAlpha = pszTyped[0] != '\0' && (pszTyped[0] < '0' || pszTyped[0] > '9');
    short nSel = -1;
    m_store.MakeListBoxData2(m_store.m_nKind, m_store.m_nSelect1, 0, m_store.m_wStyle, &nSel,
                             &m_combo);
}

std::vector<std::string> PullList::Rows() const {
    std::vector<std::string> rows(static_cast<size_t>(SendMessageA(m_combo, CB_GETCOUNT, 0, 0)));
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].resize(static_cast<size_t>(SendMessageA(m_combo, CB_GETLBTEXTLEN, i, 0)) + 1);
        SendMessageA(m_combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&rows[i][0]));
        rows[i].pop_back();
    }
    return rows;
}

std::vector<ULONG> PullList::Codes() {
    std::vector<ULONG> codes;
    for (int i = 0; i < SendMessageA(m_combo, CB_GETCOUNT, 0, 0); ++i) {
        SendMessageA(m_combo, CB_SETCURSEL, i, 0);
        codes.push_back(m_store.GetCode(&m_combo));
    }
    return codes;
}

} // namespace test
