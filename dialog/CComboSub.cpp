// CComboSub: routes a combo box's navigation keys and focus changes to the dialog controller.
#include "CComboSub.h"

#include "CDlgSb.h"
#include "dialog/Keys.h"

CComboSub::CComboSub() : m_nIndex(0), m_hItem(nullptr), m_pDlgSb(nullptr) {}

CComboSub::~CComboSub() = default;

int CComboSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    m_pDlgSb = pDlgSb;
    m_hItem = hWnd;
    m_nIndex = nIndex;
    return SubclassWindow(hWnd) ? 1 : 0;
}

BEGIN_MESSAGE_MAP(CComboSub, CComboBox)
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

// Up, Down and Space belong to an open list; on a closed one they move through the dialog,
// Space opening the list as Enter does.
void CComboSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (IsFunctionKey(nChar) || nChar == VK_RETURN) {
        m_pDlgSb->DialogKeyDown(nChar);
        return;
    }
    const bool bShown = LOWORD(SendMessage(CB_GETDROPPEDSTATE)) != 0;
    if (!bShown && (nChar == VK_UP || nChar == VK_DOWN)) {
        m_pDlgSb->DialogKeyDown(nChar);
        return;
    }
    if (!bShown && nChar == VK_SPACE) {
        m_pDlgSb->DialogKeyDown(VK_RETURN);
        return;
    }
    Default();
}

void CComboSub::OnSetFocus(CWnd* pOldWnd) {
    Default();
    m_pDlgSb->DialogFocus(m_nIndex, 0);
}

UINT CComboSub::OnGetDlgCode() {
    return DLGC_WANTARROWS;
}
