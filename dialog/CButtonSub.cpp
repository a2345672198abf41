// CButtonSub: routes a button's navigation keys and focus changes to the dialog controller.
#include "CButtonSub.h"

#include "ItemSubclass.h"

CButtonSub::CButtonSub()
    : m_bClicked(0), m_nIndex(0), m_hItem(nullptr), m_nKind(0), m_pDlgSb(nullptr) {}

CButtonSub::~CButtonSub() {
    AliveWatch::ObjectGone(m_pbAlive);
}

int CButtonSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex, UINT nKind) {
    m_nKind = nKind;
    return item::Subclass(this, {m_pDlgSb, m_hItem, m_nIndex}, pDlgSb, hWnd, nIndex);
}

BEGIN_MESSAGE_MAP(CButtonSub, CButton)
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_GETDLGCODE()
ON_WM_MOUSEACTIVATE()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// Space on a radio button checks it before the button's own handling.
void CButtonSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_SPACE && m_nKind == KIND_RADIO &&
        !CallSurvives(m_pbAlive, [this] { m_pDlgSb->DialogFocus(m_nIndex, 0); }))
        return;
    item::RouteKey(
        this, m_pDlgSb,
        m_nKind == KIND_PUSH ? item::KeyControl::PushButton : item::KeyControl::CheckButton, nChar);
}

// A check box never changes its state because it gained the focus, nor does a button the
// user is clicking: the click decides.
void CButtonSub::OnSetFocus(CWnd* pOldWnd) {
    if (!CallSurvives(m_pbAlive, [this] { Default(); }))
        return;
    const short bNoAction = (m_nKind == KIND_CHECK || m_bClicked == 1) ? 1 : 0;
    m_bClicked = 0;
    m_pDlgSb->DialogFocus(m_nIndex, bNoAction);
}

// The kind is read first: the object may be gone after the button's own handling.
UINT CButtonSub::OnGetDlgCode() {
    const bool bPush = m_nKind == KIND_PUSH;
    const UINT nCode = static_cast<UINT>(Default());
    return bPush ? nCode | item::kDialogCode : item::kDialogCode;
}

// A right click activates the dialog without a focus report. Once the object is gone, the click
// activates as it would anywhere.
int CButtonSub::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    if (message != WM_RBUTTONDOWN) {
        if (m_nKind == KIND_CHECK)
            m_bClicked = 1;
        const short bNoAction = m_bClicked == 1 ? 1 : 0;
        if (!CallSurvives(m_pbAlive,
                          [this, bNoAction] { m_pDlgSb->DialogFocus(m_nIndex, bNoAction); }))
            return MA_ACTIVATE;
    }
    return static_cast<int>(Default());
}

// A press inside a check box marks the focus gain that follows as the click's.
void CButtonSub::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_nKind == KIND_CHECK) {
        RECT rc;
        GetClientRect(&rc);
        if (point.x >= 0 && point.x <= rc.right && point.y >= 0 && point.y <= rc.bottom)
            m_bClicked = 1;
    }
    Default();
}
