// CPullComboSub: a code/name combo box under the dialog controller: its lists, the typed search
// that narrows them, and the keys it hands to the controller.
//
// Every call that may reach the host (the combo box's own handling, which notifies the dialog;
// the controller, which moves the focus and sends the host's messages) may delete this object
// together with the controller: a handler that goes on afterwards watches for that first.
#include "CPullComboSub.h"

#include "AliveWatch.h"
#include "ItemSubclass.h"
#include "PullItem.h"

CPullComboSub::CPullComboSub()
    : m_nItemIndex(0), m_hWndCombo(nullptr), m_pDlgSb(nullptr), m_nMaxTyped(m_pull.TypedLimit()),
      m_bInEnter(FALSE) {}

CPullComboSub::~CPullComboSub() {
    AliveWatch::ObjectGone(m_pbAlive);
}

int CPullComboSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    if (!item::Subclass(this, {m_pDlgSb, m_hWndCombo, m_nItemIndex}, pDlgSb, hWnd, nIndex))
        return 0;
    m_pull.TieToWindow(CWnd::FromHandlePermanent(hWnd));
    return 1;
}

void CPullComboSub::DescribeList(short nKind, ULONG nSelect1, ULONG nSelect2, WORD wStyle,
                                 WORD bReadFiles) {
    m_pull.DescribeList(nKind, nSelect1, nSelect2, wStyle, bReadFiles);
    m_nMaxTyped = m_pull.TypedLimit();
}

int CPullComboSub::PullMakeList(short nKind, ULONG nSelect1, ULONG nSelect2, WORD wStyle) {
    DescribeList(nKind, nSelect1, nSelect2, wStyle, 0);
    SendMessage(CB_SETCURSEL, 0);
    return 1;
}

// The preselected row is selected at its full width; m_nInitSel holds it up to 32,767.
int CPullComboSub::PullMakeList2(short nKind, ULONG nSelect1, ULONG nSelect2, WORD wStyle,
                                 char* pszFolder) {
    DescribeList(nKind, nSelect1, nSelect2, wStyle, 1);
    const int nInitRow = m_pull.MakeFromFolder(pszFolder, this);
    SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nInitRow != -1 ? nInitRow : 0));
    return 1;
}

ULONG CPullComboSub::GetCurCode() {
    return m_pull.GetCode(this);
}

void CPullComboSub::SetCurCode(ULONG nCode) {
    m_pull.SetCode(nCode, this);
}

short CPullComboSub::GetCodeData(ULONG nCode, void* pData) {
    return m_pull.GetRecord(this, nCode, pData);
}

short CPullComboSub::PullFreeMem() {
    return m_pull.FreeData(this);
}

void CPullComboSub::RemakeList() {
    m_pull.Remake(this);
}

BEGIN_MESSAGE_MAP(CPullComboSub, CComboBox)
ON_WM_CTLCOLOR()
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_WINDOWPOSCHANGING()
ON_CONTROL_REFLECT(CBN_SELENDOK, OnSelendok)
END_MESSAGE_MAP()

HBRUSH CPullComboSub::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hBrush = m_pull.CtlColor(pDC, pWnd, nCtlColor, nullptr);
    return hBrush != nullptr ? hBrush : CComboBox::OnCtlColor(pDC, pWnd, nCtlColor);
}

// The first character decides the search: a digit searches by code, anything else by key. A
// text that then chooses no record loses the character again.
void CPullComboSub::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_pull.AddTyped(nChar, m_nMaxTyped))
        return;
    RemakeList();
    const int nRecordRows = m_pull.RecordRows(static_cast<int>(SendMessage(CB_GETCOUNT)));
    if (!CallSurvives(m_pbAlive, [&] { SendMessage(CB_SHOWDROPDOWN, TRUE); }))
        return;
    if (nRecordRows <= 0) {
        m_pull.DropTypedChar();
        RemakeList();
        SendMessage(CB_SETCURSEL, 0);
    } else {
        SendMessage(CB_SETCURSEL, static_cast<WPARAM>(m_pull.FirstRecordRow()));
    }
    if (SendMessage(CB_GETDROPPEDSTATE) == 0)
        SendMessage(CB_SHOWDROPDOWN, TRUE);
}

// Left and Backspace that the list keeps take back the last typed character first.
void CPullComboSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const item::KeyRouting routing = item::RouteOf(this, item::KeyControl::PullCombo, nChar);
    if (routing.nHandedAs == VK_RETURN && routing.bListOpen) {
        EnterInOpenList();
        return;
    }
    if (routing.nHandedAs != 0) {
        m_pDlgSb->DialogKeyDown(routing.nHandedAs);
        return;
    }
    if ((nChar == VK_LEFT || nChar == VK_BACK) && m_pull.TypedLength() != 0) {
        m_pull.DropTypedChar();
        RemakeList();
        SendMessage(CB_SETCURSEL, 0);
    }
    Default();
}

// The controller closes the list and moves on; whatever the closing list does to the
// selection meanwhile, the code stays that of the row Enter was pressed on. The row is frozen
// only while Enter is processed: the selection counts again after it.
void CPullComboSub::EnterInOpenList() {
    m_pull.FreezeRow(static_cast<int>(SendMessage(CB_GETCURSEL)));
    m_bInEnter = 1;
    if (!CallSurvives(m_pbAlive, [&] { m_pDlgSb->DialogKeyDown(VK_RETURN); }))
        return;
    m_bInEnter = 0;
    const int nRow = m_pull.FrozenRow();
    m_pull.ReleaseRow();
    if (nRow != -1)
        SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nRow));
}

void CPullComboSub::OnSetFocus(CWnd* pOldWnd) {
    item::ReportFocus(this, m_pbAlive, m_pDlgSb, m_nItemIndex);
}

// A combo box sets its own position with exactly these flags when its list has closed: the
// host hears of it, and a typed search gives way to the full list with the chosen row.
void CPullComboSub::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
    if (!CallSurvives(m_pbAlive, [&] { Default(); }))
        return;
    if (LOWORD(lpwndpos->flags) == (SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)) {
        if (!CallSurvives(m_pbAlive, [&] { m_pDlgSb->ClosePull(m_nItemIndex); }))
            return;
        if (m_pull.TypedLength() != 0) {
            const ULONG nCode = GetCurCode();
            m_pull.ClearTyped();
            m_nMaxTyped = m_pull.TypedLimit();
            RemakeList();
            SetCurCode(nCode);
        }
    }
    m_pull.ForgetListSize();
}

void CPullComboSub::OnSelendok() {
    if (m_bInEnter != 1)
        m_pull.ReleaseRow();
}

void CPullComboSub::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (m_pull.m_nItemHeight == -1) {
        const int nHeight = PullTextHeight(this, nullptr);
        if (nHeight > 0)
            m_pull.m_nItemHeight = static_cast<short>(nHeight);
    }
    if (m_pull.m_nItemHeight != -1)
        lpMeasureItemStruct->itemHeight = static_cast<UINT>(m_pull.m_nItemHeight);
}

void CPullComboSub::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    DrawPullItem(m_pull, lpDrawItemStruct, nullptr);
}
