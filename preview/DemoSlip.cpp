// The demo slip's first values, list rows, entry fields and free-standing pull-down list.
#include "DemoSlip.h"

#include "Controls.h"
#include "HostMessages.h"
#include "Text.h"
#include "slip.h"

#include <cstdio>
#include <utility>

namespace {

const char* const kPayments[] = {"現金", "掛売", "手形", "振込"};
const char* const kDeliveries[] = {"当日便", "翌日便", "日時指定", "店頭渡し"};
// The staff the host lists itself: a name in ten bytes, then the code in the next six, where
// the pull-down reads it.
const char* const kStaff[] = {"田中      000101", "鈴木      000102", "佐藤      000205"};
// The trading partners, in columns of a fixed-pitch font: a code of four bytes, a name, a town.
// The list drops down as wide as its field, 22 characters (88 dialog units).
const char* const kPartners[] = {"1001 山田商事 東京", "1002 東和物産 大阪", "2001 日出商会 横浜",
                                 "2002 丸長食品 神戸", "3001 北斗運輸 札幌"};
const size_t kPartnerCodeLength = 4;
const short kPartnerWidth = 22;
// Room for four rows of the list below its field, in dialog units.
const int kPartnerListRoom = 48;

// Pull-down lists: kinds and the style without the "none" row.
const short kDepartmentList = 1, kAccountList = 2, kHostList = 3;
const WORD kNoNoneRow = 0x01;

// The keys on which an entry field is left: the controller's navigation keys and the function
// keys, handed to the controller by the host. The fields keep a pointer to the table.
short g_exitKeys[] = {VK_RETURN, VK_UP, VK_DOWN, VK_F1, VK_F2,  VK_F3,  VK_F4, VK_F5,
                      VK_F6,     VK_F7, VK_F8,   VK_F9, VK_F10, VK_F11, VK_F12};
const short kExitKeyCount = static_cast<short>(sizeof(g_exitKeys) / sizeof(g_exitKeys[0]));

// The host's message numbers as the fields take them: in a short, WM_APP and above are negative.
short FieldMsg(UINT nMsg) {
    return static_cast<short>(nMsg);
}

template <size_t N>
void AddRows(HWND hwnd, UINT nAddMessage, const char* const (&rows)[N]) {
    for (const char* pszRow : rows)
        SendMessageA(hwnd, nAddMessage, 0, reinterpret_cast<LPARAM>(Utf8ToAnsi(pszRow).c_str()));
}

// The field takes the place's rectangle and its position among the dialog's children (drawing
// and the values' order follow it), then the place goes, so that the controller finds the field
// under the place's ID. A pull-down list gets nListRoom dialog units more below the place, into
// which its list drops; it is sized before it moves, as it keeps what it gets below its field for
// its list and, when it moves, makes its field as high as what it has left.
void TakePlace(HWND hwndPlace, const CWnd& field, int nListRoom = 0) {
    const HWND hDlg = GetParent(hwndPlace);
    RECT rc, rcRoom = {0, 0, 0, nListRoom};
    GetWindowRect(hwndPlace, &rc);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    MapDialogRect(hDlg, &rcRoom);
    SetWindowPos(field.m_hWnd, hwndPlace, 0, 0, rc.right - rc.left,
                 rc.bottom - rc.top + rcRoom.bottom, SWP_NOMOVE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetWindowPos(field.m_hWnd, nullptr, rc.left, rc.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DestroyWindow(hwndPlace);
}

// The controller's object of a combo box of the 7000 range.
CPullComboSub* PullCombo(HWND hDlg, int nID) {
    return static_cast<CPullComboSub*>(CWnd::FromHandlePermanent(GetDlgItem(hDlg, nID)));
}

std::string CodeOf(HWND hDlg, int nID) {
    CPullComboSub* pPull = PullCombo(hDlg, nID);
    return pPull != nullptr ? std::to_string(pPull->GetCurCode()) : std::string();
}

// The pull-downs read the master files from a folder named with its closing separator.
std::string FolderPath(const std::string& folder) {
    const bool bClosed = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    return bClosed ? folder : folder + "\\";
}

// The list's notify window is the dialog; it leaves right clicks unreported.
int InitPartner(CPullDown& partner, CWnd* pDlg, CFont* pFont) {
    return partner.PullInit(pDlg, pFont, FieldMsg(kPartnerKeyMsg), g_exitKeys, kExitKeyCount,
                            FieldMsg(kPartnerShiftMsg), 0, FieldMsg(kPartnerLeftMsg));
}

int InitNumber(CEditNum& field, CWnd* pDlg, CFont* pFont, short nID) {
    return field.Init3D(pDlg, pDlg, nID, pFont, FieldMsg(kFieldKeyMsg), FieldMsg(kFieldChangeMsg),
                        g_exitKeys, kExitKeyCount, 0, 1, 0, FieldMsg(kFieldFocusMsg), 0);
}

} // namespace

DemoSlip::DemoSlip(std::string masters) : m_masters(FolderPath(masters)) {}

DemoSlip::~DemoSlip() {
    m_font.Detach();
}

bool DemoSlip::Prepare(CWnd* pDlg) {
    const HWND hDlg = pDlg->m_hWnd;
    m_hDlg = hDlg;
    m_font.Attach(reinterpret_cast<HFONT>(SendMessageA(hDlg, WM_GETFONT, 0, 0)));
    CheckDlgButton(hDlg, IDC_SALE, BST_CHECKED);
    const HWND hwndPayment = GetDlgItem(hDlg, IDC_PAYMENT);
    AddRows(hwndPayment, CB_ADDSTRING, kPayments);
    SendMessageA(hwndPayment, CB_SETCURSEL, 0, 0);
    const HWND hwndDelivery = GetDlgItem(hDlg, IDC_DELIVERY);
    AddRows(hwndDelivery, LB_ADDSTRING, kDeliveries);
    SendMessageA(hwndDelivery, LB_SETCURSEL, 1, 0);

    const HWND hwndQuantity = GetDlgItem(hDlg, IDC_QUANTITY);
    const HWND hwndPrice = GetDlgItem(hDlg, IDC_PRICE);
    const HWND hwndMemo = GetDlgItem(hDlg, IDC_MEMO);
    const HWND hwndPartner = GetDlgItem(hDlg, IDC_PARTNER);
    if (hwndQuantity == nullptr || hwndPrice == nullptr || hwndMemo == nullptr ||
        hwndPartner == nullptr || !InitPartner(m_partner, pDlg, &m_font) ||
        !InitNumber(m_quantity, pDlg, &m_font, IDC_QUANTITY) ||
        !InitNumber(m_price, pDlg, &m_font, IDC_PRICE) ||
        !m_memo.Init3D(pDlg, pDlg, IDC_MEMO, &m_font, FieldMsg(kFieldKeyMsg),
                       FieldMsg(kFieldChangeMsg), g_exitKeys, kExitKeyCount, 0, 0, FEPMODE_HIRAGANA,
                       FieldMsg(kFieldFocusMsg), 0, 0))
        return false;
    m_quantity.SetText(&m_lQuantity, 0, 99999);
    m_price.SetText(&m_dPrice, 2, 0, 9999999.99, 0);
    m_memo.SetText(m_szMemo);
    TakePlace(hwndQuantity, m_quantity);
    TakePlace(hwndPrice, m_price);
    TakePlace(hwndMemo, m_memo);
    m_partner.PullMakeMulti(kPartnerWidth, kPartnerWidth);
    AddRows(m_partner.m_hWnd, CB_ADDSTRING, kPartners);
    // The list is made with an ID of its own; the controller finds it under the place's.
    SetWindowLongPtrA(m_partner.m_hWnd, GWLP_ID, IDC_PARTNER);
    TakePlace(hwndPartner, m_partner, kPartnerListRoom);
    return true;
}

void DemoSlip::Received(UINT message, WPARAM wParam) {
    if (message != kPartnerKeyMsg || wParam != VK_RETURN)
        return;
    m_partnerCode = ValueOf(m_partner.m_hWnd).substr(0, kPartnerCodeLength);
}

// The pull-downs exist once the controller has taken the combo boxes of the 7000 range over.
bool DemoSlip::Attached(CDlgSb& controller) {
    CPullComboSub* pDepartment = PullCombo(m_hDlg, IDC_DEPARTMENT);
    CPullComboSub* pAccount = PullCombo(m_hDlg, IDC_ACCOUNT);
    CPullComboSub* pStaff = PullCombo(m_hDlg, IDC_STAFF);
    if (pDepartment == nullptr || pAccount == nullptr || pStaff == nullptr)
        return false;
    pDepartment->PullMakeList2(kDepartmentList, 0, 0, 0, &m_masters[0]);
    pAccount->PullMakeList2(kAccountList, 0, 0, 0, &m_masters[0]);
    pStaff->PullMakeList(kHostList, 0, 0, kNoNoneRow);
    AddRows(pStaff->m_hWnd, CB_ADDSTRING, kStaff);
    pStaff->SetCurCode(101);
    return controller.SetFep(IDC_NAME, IDC_READING, 0, 0, 0, 0) == 1 &&
           controller.SetKana(IDC_READING, 0, 0) == 1;
}

std::vector<std::string> DemoSlip::TakeValues() {
    m_quantity.GetData();
    m_price.GetData();
    m_memo.GetData();
    char szPrice[32];
    std::snprintf(szPrice, sizeof(szPrice), "%.2f", m_dPrice);
    return {"quantity (LONG): " + std::to_string(m_lQuantity),
            std::string("unit price (double): ") + szPrice,
            std::string("memo: ") + m_szMemo,
            "department code: " + CodeOf(m_hDlg, IDC_DEPARTMENT),
            "account code: " + CodeOf(m_hDlg, IDC_ACCOUNT),
            "staff code: " + CodeOf(m_hDlg, IDC_STAFF),
            "partner code: " + m_partnerCode};
}
