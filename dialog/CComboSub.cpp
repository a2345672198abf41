// CComboSub: routes a combo box's navigation keys and focus changes to the dialog controller.
#include "CComboSub.h"

#include "ItemSubclass.h"

CComboSub::CComboSub() : m_nIndex(0), m_hItem(nullptr), m_pDlgSb(nullptr) {}

CComboSub::~CComboSub() {
    AliveWatch::ObjectGone(m_pbAlive);
}

int CComboSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    return item::Subclass(this, {m_pDlgSb, m_hItem, m_nIndex}, pDlgSb, hWnd, nIndex);
}

BEGIN_MESSAGE_MAP(CComboSub, CComboBox)
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

// Up, Down and Space belong to an open list; on a closed one they move through the dialog,
// Space opening the list as Enter does. Enter always goes to the controller.
void CComboSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if ((nChar == VK_UP || nChar == VK_DOWN || nChar == VK_SPACE) &&
        LOWORD(SendMessage(CB_GETDROPPEDSTATE)) == 0) {
        m_pDlgSb->DialogKeyDown(nChar == VK_SPACE ? VK_RETURN : nChar);
        return;
    }
    item::RouteKey(this, m_pDlgSb, nChar, nChar == VK_RETURN);
}

void CComboSub::OnSetFocus(CWnd* pOldWnd) {
    item::ReportFocus(this, m_pbAlive, m_pDlgSb, m_nIndex);
}

UINT CComboSub::OnGetDlgCode() {
    return item::kDialogCode;
}
