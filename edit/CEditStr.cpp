// CEditStr: the string entry field: the bound buffer, the field's input method mode, and the
// commit of the typed text when the user leaves the field.
#include "CEditStr.h"

#include "AliveWatch.h"
#include "CFep.h"
#include "EntryField.h"
#include "HeapObject.h"
#include "ShiftJis.h"

#include <cstring>

namespace {

// The commit reads the first 127 bytes of the text.
constexpr size_t kCommitTextSize = 128;

} // namespace

CEditStr::CEditStr()
    : m_bChanged(FALSE), m_pFep(nullptr), m_pOwner(nullptr), m_pParent(nullptr),
      m_pKeyTable(nullptr), m_nKeyCount(0), m_nKeyMsg(0), m_nShiftMsg(0), m_nChangeMsg(0),
      m_nRButtonMsg(0), m_nFocusMsg(0), m_nKillFocusMsg(0),
      m_bInvalidate(FALSE), // mutants: skip (Init sets it before the field has a window)
      m_bNumOnly(0), m_nFepMode(FEPMODE_OFF), m_pszText(nullptr) {}

CEditStr::~CEditStr() {
    AliveWatch::ObjectGone(m_pbAlive);
    if (m_pFep != nullptr && m_nFepMode != FEPMODE_OFF)
        m_pFep->FepOff();
    HeapDelete(m_pFep);
}

int CEditStr::Init(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg,
                   short nChangeMsg, short* pKeyTable, short nKeyCount, short nShiftMsg,
                   short nRButtonMsg, short nFepMode, short nFocusMsg, int bInvalidate,
                   short nKillFocusMsg) {
    return InitLook(0, WS_CHILD | ES_MULTILINE, pOwner, pParent, nID, pFont, nKeyMsg, nChangeMsg,
                    pKeyTable, nKeyCount, nShiftMsg, nRButtonMsg, nFepMode, nFocusMsg, bInvalidate,
                    nKillFocusMsg);
}

int CEditStr::Init3D(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg,
                     short nChangeMsg, short* pKeyTable, short nKeyCount, short nShiftMsg,
                     short nRButtonMsg, short nFepMode, short nFocusMsg, int bInvalidate,
                     short nKillFocusMsg) {
    return InitLook(WS_EX_CLIENTEDGE, WS_CHILD | WS_BORDER | ES_MULTILINE, pOwner, pParent, nID,
                    pFont, nKeyMsg, nChangeMsg, pKeyTable, nKeyCount, nShiftMsg, nRButtonMsg,
                    nFepMode, nFocusMsg, bInvalidate, nKillFocusMsg);
}

int CEditStr::InitRight(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg,
                        short nChangeMsg, short* pKeyTable, short nKeyCount, short nShiftMsg,
                        short nRButtonMsg, short nFepMode, short nFocusMsg, int bInvalidate,
                        short nKillFocusMsg) {
    return InitLook(0, WS_CHILD | ES_MULTILINE | ES_RIGHT, pOwner, pParent, nID, pFont, nKeyMsg,
                    nChangeMsg, pKeyTable, nKeyCount, nShiftMsg, nRButtonMsg, nFepMode, nFocusMsg,
                    bInvalidate, nKillFocusMsg);
}

int CEditStr::Init3DRight(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg,
                          short nChangeMsg, short* pKeyTable, short nKeyCount, short nShiftMsg,
                          short nRButtonMsg, short nFepMode, short nFocusMsg, int bInvalidate,
                          short nKillFocusMsg) {
    return InitLook(WS_EX_CLIENTEDGE, WS_CHILD | WS_BORDER | ES_MULTILINE | ES_RIGHT, pOwner,
                    pParent, nID, pFont, nKeyMsg, nChangeMsg, pKeyTable, nKeyCount, nShiftMsg,
                    nRButtonMsg, nFepMode, nFocusMsg, bInvalidate, nKillFocusMsg);
}

int CEditStr::InitLook(DWORD dwExStyle, DWORD dwStyle, CWnd* pOwner, CWnd* pParent, short nID,
                       CFont* pFont, short nKeyMsg, short nChangeMsg, short* pKeyTable,
                       short nKeyCount, short nShiftMsg, short nRButtonMsg, short nFepMode,
                       short nFocusMsg, int bInvalidate, short nKillFocusMsg) {
    if (!entry::CreateField(this, dwExStyle, dwStyle, nullptr, pParent, nID, pFont))
        return 0;
    m_pOwner = pOwner;
    m_pParent = pParent;
    m_nKeyMsg = nKeyMsg;
    m_nChangeMsg = nChangeMsg;
    m_pKeyTable = pKeyTable;
    m_nKeyCount = nKeyCount;
    m_nShiftMsg = nShiftMsg;
    m_nRButtonMsg = nRButtonMsg;
    m_nFepMode = nFepMode;
    m_nFocusMsg = nFocusMsg;
    m_bInvalidate = bInvalidate;
    m_nKillFocusMsg = nKillFocusMsg;
    if (nFepMode != FEPMODE_OFF && (m_pFep = HeapNew<CFep>()) == nullptr)
        return 0;
    return 1;
}

void CEditStr::SetText(char* pszText) {
    m_pszText = pszText;
    m_bChanged = FALSE;
    SetWindowText(pszText);
}

int CEditStr::GetData() {
    CopyTextToBuffer();
    const int nResult = m_bChanged;
    m_bChanged = FALSE;
    return nResult;
}

void CEditStr::SetSel() {
    SendMessage(EM_SETSEL, 0, -1);
}

// Before SetText has bound a buffer the text goes nowhere and nothing changes; nor does it once
// the window is gone (the host destroyed its dialog from the field's own notification). The text
// is cut to whole characters: a lead byte whose trail byte lies beyond the 127 bytes is dropped.
void CEditStr::CopyTextToBuffer() {
    if (m_pszText == nullptr || m_hWnd == nullptr)
        return;
    char szText[kCommitTextSize] = {};
    GetWindowText(szText, kCommitTextSize);
    szText[ShiftJis::FittingLength(szText, kCommitTextSize - 1)] = '\0';
    if (std::strncmp(szText, m_pszText, kCommitTextSize) != 0)
        m_bChanged = 1;
    std::memcpy(m_pszText, szText, std::strlen(szText) + 1);
}

bool CEditStr::CommitText() {
    CopyTextToBuffer();
    return entry::NotifyChange(m_pbAlive, m_bChanged, m_pOwner, m_nChangeMsg);
}

// Any mode other than FEPMODE_OFF and FEPMODE_KANA opens full-width hiragana. A field whose
// switch could not be made leaves the input method alone.
void CEditStr::SwitchIme(bool bGained) {
    if (m_nFepMode == FEPMODE_OFF)
        entry::CloseImeOf(m_pOwner);
    else if (m_pFep != nullptr && bGained)
        m_pFep->FepOn(this, 0, 0, m_nFepMode == FEPMODE_KANA ? 1 : 0);
    else if (m_pFep != nullptr)
        m_pFep->FepOff();
}

BEGIN_MESSAGE_MAP(CEditStr, CEdit)
ON_WM_SETFOCUS()
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
ON_WM_KEYUP()
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

void CEditStr::OnSetFocus(CWnd* pOldWnd) {
    if (CallSurvives(m_pbAlive, [this] { entry::Notify(m_pOwner, m_nFocusMsg); }) &&
        CallSurvives(m_pbAlive, [this] { Default(); }))
        SwitchIme(true);
}

// Typing never starts a new line or inserts a tab, although the window is multi-line.
void CEditStr::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_bNumOnly ? entry::IsNumberCharacter(nChar) : nChar != '\r' && nChar != '\t')
        Default();
}

void CEditStr::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    entry::KeyDown(this, m_pKeyTable, m_nKeyCount, m_pOwner, m_nKeyMsg, nChar,
                   [this] { return CommitText(); });
}

void CEditStr::OnKillFocus(CWnd* pNewWnd) {
    if (!CallSurvives(m_pbAlive, [this] { Default(); }))
        return;
    SwitchIme(false);
    if (!CommitText())
        return;
    if (m_bInvalidate == 1)
        Invalidate(TRUE);
    entry::Notify(m_pOwner, m_nKillFocusMsg);
}

void CEditStr::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    entry::KeyUp(this, m_pbAlive, m_pOwner, m_nShiftMsg, nChar);
}

void CEditStr::OnRButtonDown(UINT nFlags, CPoint point) {
    entry::RButtonDown(this, m_pbAlive, m_pOwner, m_nRButtonMsg, nFlags, point);
}
