// The demo slip's first values and list rows.
#include "DemoSlip.h"

#include "Text.h"
#include "slip.h"

#include <utility>

namespace {

const char* const kPayments[] = {"現金", "掛売", "手形", "振込"};
const char* const kDeliveries[] = {"当日便", "翌日便", "日時指定", "店頭渡し"};

template <size_t N>
void AddRows(HWND hwnd, UINT nAddMessage, const char* const (&rows)[N]) {
    for (const char* pszRow : rows)
        SendMessageA(hwnd, nAddMessage, 0, reinterpret_cast<LPARAM>(Utf8ToAnsi(pszRow).c_str()));
}

} // namespace

DemoSlip::DemoSlip(std::string masters) : m_masters(std::move(masters)) {}

void DemoSlip::Prepare(HWND hDlg) const {
    CheckDlgButton(hDlg, IDC_SALE, BST_CHECKED);
    const HWND hwndPayment = GetDlgItem(hDlg, IDC_PAYMENT);
    AddRows(hwndPayment, CB_ADDSTRING, kPayments);
    SendMessageA(hwndPayment, CB_SETCURSEL, 0, 0);
    const HWND hwndDelivery = GetDlgItem(hDlg, IDC_DELIVERY);
    AddRows(hwndDelivery, LB_ADDSTRING, kDeliveries);
    SendMessageA(hwndDelivery, LB_SETCURSEL, 1, 0);
}
