// CPullDown: a pull-down list window that the host creates in code, its keys and the messages it
// sends to its notify window.
//
// The host may delete this object in any message it is sent, including the notifications of the
// combo box's own handling: a handler that goes on after such a call watches for that first.
#include "CPullDown.h"

#include "AliveWatch.h"
#include "HostKeys.h"
#include "ItemSubclass.h"
#include "PullItem.h"
#include "PullRecords.h"

namespace {

constexpr UINT kControlId = 529;
// WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS
constexpr DWORD kStyle = 0x50200203;
constexpr UINT kToggleCommand = 10000;
// The position change that a host's MoveWindow makes, which closes the list.
constexpr UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE;

// Windows 3.10 reports major version 3, minor version 10.
int IsVersion310() {
    const DWORD dwVersion = GetVersion();
    return LOBYTE(LOWORD(dwVersion)) == 3 && HIBYTE(LOWORD(dwVersion)) == 10 ? 1 : 0;
}

} // namespace

CPullDown::CPullDown()
    : m_pFont(nullptr), m_pKeys(nullptr), m_nKeys(0), m_pParent(nullptr), m_nKeyMsg(0),
      m_nShiftUpMsg(0), m_nRButtonMsg(0), m_nKillFocusMsg(0), m_bVer310(IsVersion310()),
      m_pNotify(nullptr) {}

CPullDown::~CPullDown() {
    AliveWatch::ObjectGone(m_pbAlive);
    const HWND hWnd = UnsubclassWindow();
    if (hWnd != nullptr)
        ::DestroyWindow(hWnd);
}

int CPullDown::PullInit(CWnd* pParent, CFont* pFont, short nKeyMsg, short* pKeys, short nKeys,
                        short nShiftUpMsg, short nRButtonMsg, short nKillFocusMsg) {
    return PullInit(pParent, pParent, pFont, nKeyMsg, pKeys, nKeys, nShiftUpMsg, nRButtonMsg,
                    nKillFocusMsg);
}

int CPullDown::PullInit(CWnd* pParent, CWnd* pNotify, CFont* pFont, short nKeyMsg, short* pKeys,
                        short nKeys, short nShiftUpMsg, short nRButtonMsg, short nKillFocusMsg) {
    m_pNotify = pNotify;
    m_pFont = pFont;
    m_nKeyMsg = nKeyMsg;
    m_nShiftUpMsg = nShiftUpMsg;
    m_nRButtonMsg = nRButtonMsg;
    m_nKillFocusMsg = nKillFocusMsg;
    m_pKeys = pKeys;
    m_nKeys = nKeys;
    m_pParent = pParent;
    const RECT rcInitial = {0, 0, 100, 100};
    if (!Create(kStyle, rcInitial, pParent, kControlId))
        return 0;
    m_pull.TieToWindow(this);
    if (m_pFont != nullptr)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pFont->m_hObject), TRUE);
    const int nHeight = TextHeight();
    SendMessage(CB_SETITEMHEIGHT, 0, nHeight + 2);
    SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                m_bVer310 == 1 ? nHeight * 3 / 2 : nHeight + 2);
    return 1;
}

int CPullDown::PullMakeMulti(short nWidth9x, short nWidthNT) {
    CPullBase::SetMultiWidth(nWidth9x, nWidthNT);
    m_pull.DescribeList(PULL_KIND_MULTI, 0, 0, PULL_STYLE_NO_NONE, 0);
    SendMessage(CB_RESETCONTENT);
    return 1;
}

int CPullDown::TextHeight() {
    return PullTextHeight(this, m_pFont);
}

// The key array is the host's; a missing one lists nothing.
bool CPullDown::Notify(short nMsg, WPARAM wParam, LPARAM lParam) {
    if (m_pNotify == nullptr)
        return true;
    const HWND hNotify = m_pNotify->m_hWnd;
    return CallSurvives(m_pbAlive, [&] {
        ::SendMessageA(hNotify, static_cast<UINT>(static_cast<int>(nMsg)), wParam, lParam);
    });
}

bool CPullDown::HideList() {
    return CallSurvives(m_pbAlive, [&] { SendMessage(CB_SHOWDROPDOWN, FALSE); });
}

BEGIN_MESSAGE_MAP(CPullDown, CComboBox)
ON_WM_CTLCOLOR()
ON_WM_MOVE()
ON_WM_SIZE()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_KILLFOCUS()
ON_WM_WINDOWPOSCHANGING()
ON_WM_RBUTTONDOWN()
ON_COMMAND(kToggleCommand, OnPullToggle)
END_MESSAGE_MAP()

HBRUSH CPullDown::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hBrush = m_pull.CtlColor(pDC, pWnd, nCtlColor, m_pFont);
    return hBrush != nullptr ? hBrush : CComboBox::OnCtlColor(pDC, pWnd, nCtlColor);
}

// The selection field takes the height of the client area the host gave the window.
void CPullDown::OnMove(int x, int y) {
    Default();
    SendMessage(CB_SETITEMHEIGHT, 0, TextHeight() + 2);
    RECT rc;
    GetClientRect(&rc);
    SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), rc.bottom - rc.top);
    m_pull.ForgetListSize();
}

void CPullDown::OnSize(UINT nType, int cx, int cy) {
    Default();
    m_pull.ForgetListSize();
}

// A listed key closes the list and is reported, Enter after recording the chosen row and
// being handled; Escape and the arrows act on a shown list instead. Unlisted function keys do
// nothing at all; Space opens a closed list, Enter and Escape close an open one.
void CPullDown::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const bool bDropped = SendMessage(CB_GETDROPPEDSTATE) != 0;
    const bool bListKey = nChar == VK_ESCAPE || nChar == VK_UP || nChar == VK_DOWN ||
                          nChar == VK_LEFT || nChar == VK_RIGHT;
    if (IsHostKey(m_pKeys, m_nKeys, nChar) && !(bListKey && bDropped)) {
        if (nChar == VK_RETURN) {
            m_pull.FreezeRow(static_cast<int>(SendMessage(CB_GETCURSEL)));
            if (!HideList() || !CallSurvives(m_pbAlive, [&] { Default(); }))
                return;
        }
        if (HideList())
            Notify(m_nKeyMsg, nChar, 0);
        return;
    }
    if (item::IsFunctionKey(nChar))
        return;
    if (bDropped && (nChar == VK_RETURN || nChar == VK_ESCAPE))
        SendMessage(CB_SHOWDROPDOWN, FALSE);
    else if (!bDropped && nChar == VK_SPACE)
        SendMessage(CB_SHOWDROPDOWN, TRUE);
    else
        Default();
}

void CPullDown::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (CallSurvives(m_pbAlive, [&] { Default(); }) && nChar == VK_SHIFT && m_nShiftUpMsg != 0)
        Notify(m_nShiftUpMsg, 0, 0);
}

void CPullDown::OnKillFocus(CWnd* pNewWnd) {
    if (!CallSurvives(m_pbAlive, [&] { Default(); }) ||
        (m_nKillFocusMsg != 0 && !Notify(m_nKillFocusMsg, 0, 0)))
        return;
    m_pull.ForgetListSize();
}

void CPullDown::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
    if (!CallSurvives(m_pbAlive, [&] { Default(); }) ||
        (lpwndpos->flags == kMoveFlags && !HideList()))
        return;
    m_pull.ReleaseRow();
    m_pull.ForgetListSize();
}

// The point goes to the host in its parent's client coordinates.
void CPullDown::OnRButtonDown(UINT nFlags, CPoint point) {
    if (!CallSurvives(m_pbAlive, [&] { Default(); }) || !(nFlags & MK_RBUTTON) ||
        m_nRButtonMsg == 0)
        return;
    POINT pt = point;
    ::MapWindowPoints(m_hWnd, m_pParent != nullptr ? m_pParent->m_hWnd : nullptr, &pt, 1);
    Notify(m_nRButtonMsg, 0, reinterpret_cast<LPARAM>(&pt));
}

void CPullDown::OnPullToggle() {
    const BOOL bShow = SendMessage(CB_GETDROPPEDSTATE) == 0;
    if (CallSurvives(m_pbAlive, [&] { SendMessage(CB_SHOWDROPDOWN, bShow); }))
        ::SetFocus(m_hWnd);
}

void CPullDown::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (m_pull.m_nItemHeight == -1)
        m_pull.m_nItemHeight = static_cast<short>(TextHeight() + 2);
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(m_pull.m_nItemHeight);
}

void CPullDown::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    DrawPullItem(m_pull, lpDrawItemStruct, m_pFont);
}
