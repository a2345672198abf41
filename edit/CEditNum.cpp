// CEditNum: the numeric entry field: showing the bound variable, and committing the typed text
// to it when the user leaves the field.
#include "CEditNum.h"

#include "AliveWatch.h"
#include "CConv.h"
#include "EntryField.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <iterator>

namespace {

enum : short { kShort = 0, kLong = 1, kFloat = 2, kDouble = 3 };

// A shown value takes up to 20 bytes before the point ("-999,000,000,000,000"), the point, the
// field's places after it (at most a short's 32,767) and the terminator. Every field builds it
// in this one buffer: the fields run on the one user-interface thread, and the window copies
// the text before anything else can run.
char g_szValueText[sizeof "-999,000,000,000,000." + SHRT_MAX];
// The commit reads the first 19 bytes of the text.
constexpr int kCommitTextSize = 20;

constexpr double kRealTolerance = 0.00001;

// The two places after the point, as minutes, as the value reads in decimal: its shortest
// decimal text that reads back as the same double. That is the typed text for every value the
// field's 19 bytes spell within a double's precision, so 4.60 reads as 4.6 although 4.6 times
// 100 is 459.99999999999994 as a double. The minutes exceed 59 when the first place is 6 or
// more. Every double below 0.6 reads as less than 0.6, and from 2^53 on every double is a whole
// number; in between the text has at most 17 significant digits and fits in 24 bytes.
bool HasValidMinutes(double dValue) {
    const double dMagnitude = std::fabs(dValue);
    if (dMagnitude < 0.6)
        return true;
    // Whole numbers only: their text would have no point either, but may not fit in the buffer.
    if (dMagnitude >= 9007199254740992.0) // mutants: skip (2^53 itself is whole)
        return true;
    char szText[24];
    char* pEnd =
        std::to_chars(std::begin(szText), std::end(szText), dMagnitude, std::chars_format::fixed)
            .ptr;
    const char* pPoint = std::find(szText, pEnd, '.');
    return pPoint == pEnd || pPoint[1] <= '5';
}

template <typename T>
bool IsWithin(double dValue, T min, T max) {
    return dValue >= static_cast<double>(min) && dValue <= static_cast<double>(max);
}

} // namespace

CEditNum::CEditNum()
    : m_bChanged(FALSE), m_pOwner(nullptr), m_pParent(nullptr), m_pKeyTable(nullptr),
      m_nKeyCount(0), m_nKeyMsg(0), m_nShiftMsg(0), m_nChangeMsg(0), m_nRButtonMsg(0),
      m_nFocusMsg(0),
      m_bInvalidate(FALSE), // mutants: skip (Init sets it before the field has a window)
      m_bComma(FALSE),      // mutants: skip (Init sets it before the field has a window)
      m_nType(kShort), m_nDecimals(0), m_pShortValue(nullptr), m_nShortMin(0), m_nShortMax(0),
      m_pLongValue(nullptr), m_lLongMin(0), m_lLongMax(0), m_pFloatValue(nullptr), m_fFloatMin(0),
      m_fFloatMax(0), m_pDoubleValue(nullptr), m_dDoubleMin(0), m_dDoubleMax(0), m_bMinuteCheck(0) {
}

CEditNum::~CEditNum() {
    AliveWatch::ObjectGone(m_pbAlive);
}

int CEditNum::Init(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg,
                   short nChangeMsg, short* pKeyTable, short nKeyCount, short nShiftMsg, int bComma,
                   short nRButtonMsg, short nFocusMsg, int bInvalidate) {
    return InitLook(0, WS_CHILD | ES_MULTILINE | ES_RIGHT, nullptr, pOwner, pParent, nID, pFont,
                    nKeyMsg, nChangeMsg, pKeyTable, nKeyCount, nShiftMsg, bComma, nRButtonMsg,
                    nFocusMsg, bInvalidate);
}

int CEditNum::Init3D(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg,
                     short nChangeMsg, short* pKeyTable, short nKeyCount, short nShiftMsg,
                     int bComma, short nRButtonMsg, short nFocusMsg, int bInvalidate) {
    return InitLook(WS_EX_CLIENTEDGE, WS_CHILD | WS_BORDER | ES_MULTILINE | ES_RIGHT, "", pOwner,
                    pParent, nID, pFont, nKeyMsg, nChangeMsg, pKeyTable, nKeyCount, nShiftMsg,
                    bComma, nRButtonMsg, nFocusMsg, bInvalidate);
}

int CEditNum::InitLook(DWORD dwExStyle, DWORD dwStyle, LPCSTR pszTitle, CWnd* pOwner, CWnd* pParent,
                       short nID, CFont* pFont, short nKeyMsg, short nChangeMsg, short* pKeyTable,
                       short nKeyCount, short nShiftMsg, int bComma, short nRButtonMsg,
                       short nFocusMsg, int bInvalidate) {
    if (!entry::CreateField(this, dwExStyle, dwStyle, pszTitle, pParent, nID, pFont))
        return 0;
    m_pOwner = pOwner;
    m_pParent = pParent;
    m_nKeyMsg = nKeyMsg;
    m_nChangeMsg = nChangeMsg;
    m_pKeyTable = pKeyTable;
    m_nKeyCount = nKeyCount;
    m_nShiftMsg = nShiftMsg;
    m_bComma = bComma;
    m_nRButtonMsg = nRButtonMsg;
    m_nFocusMsg = nFocusMsg;
    m_bInvalidate = bInvalidate;
    return 1;
}

void CEditNum::SetText(short* pValue, short nMin, short nMax) {
    m_pShortValue = pValue;
    m_nShortMin = nMin;
    m_nShortMax = nMax;
    m_nType = kShort;
    m_nDecimals = 0;
    ShowValue();
}

void CEditNum::SetText(LONG* pValue, LONG lMin, LONG lMax) {
    m_pLongValue = pValue;
    m_lLongMin = lMin;
    m_lLongMax = lMax;
    m_nType = kLong;
    m_nDecimals = 0;
    ShowValue();
}

void CEditNum::SetText(float* pValue, short nDecimals, float fMin, float fMax, short bMinuteCheck) {
    m_pFloatValue = pValue;
    m_fFloatMin = fMin;
    m_fFloatMax = fMax;
    m_bMinuteCheck = bMinuteCheck;
    m_nType = kFloat;
    m_nDecimals = nDecimals;
    ShowValue();
}

void CEditNum::SetText(double* pValue, short nDecimals, double dMin, double dMax,
                       short bMinuteCheck) {
    m_pDoubleValue = pValue;
    m_dDoubleMin = dMin;
    m_dDoubleMax = dMax;
    m_bMinuteCheck = bMinuteCheck;
    m_nType = kDouble;
    m_nDecimals = nDecimals;
    ShowValue();
}

// The change message is held back during the commit; the result also reports a change that an
// earlier commit made without a change message to send. A multi-line edit tells nobody of text
// set with WM_SETTEXT, so no host runs within; the field stays clear of itself all the same.
int CEditNum::GetData() {
    const short nChangeMsg = m_nChangeMsg;
    m_nChangeMsg = 0;
    if (!CommitText())
        return 0; // mutants: skip (not reached: see above)
    m_nChangeMsg = nChangeMsg;
    const int nResult = m_bChanged;
    m_bChanged = FALSE;
    return nResult;
}

void CEditNum::SetSel() {
    SendMessage(EM_SETSEL, 0, -1);
}

bool CEditNum::IsBound() const {
    switch (m_nType) {
    case kShort:
        return m_pShortValue != nullptr;
    case kLong:
        return m_pLongValue != nullptr;
    case kFloat:
        return m_pFloatValue != nullptr;
    }
    return m_pDoubleValue != nullptr;
}

// The stored value, formatted as SetText shows it; the change flag is cleared first.
bool CEditNum::ShowValue() {
    m_bChanged = FALSE;
    return !IsBound() || CallSurvives(m_pbAlive, [this] { SetWindowText(FormatValue()); });
}

const char* CEditNum::FormatValue() const {
    CConv conv;
    switch (m_nType) {
    case kShort:
        m_bComma == 1 ? conv.CommaStr(g_szValueText, *m_pShortValue)
                      : conv.NotCommaStr(g_szValueText, *m_pShortValue);
        break;
    case kLong:
        m_bComma == 1 ? conv.CommaStr(g_szValueText, *m_pLongValue)
                      : conv.NotCommaStr(g_szValueText, *m_pLongValue);
        break;
    case kFloat:
        conv.CommaStr(g_szValueText, *m_pFloatValue, m_nDecimals);
        break;
    default:
        conv.CommaStr(g_szValueText, *m_pDoubleValue, m_nDecimals);
        break;
    }
    return g_szValueText;
}

bool CEditNum::IsAcceptable(double dValue) const {
    switch (m_nType) {
    case kShort:
        return IsWithin(dValue, m_nShortMin, m_nShortMax);
    case kLong:
        return IsWithin(dValue, m_lLongMin, m_lLongMax);
    case kFloat:
        return IsWithin(dValue, m_fFloatMin, m_fFloatMax) &&
               (!m_bMinuteCheck || HasValidMinutes(dValue));
    }
    return IsWithin(dValue, m_dDoubleMin, m_dDoubleMax) &&
           (!m_bMinuteCheck || HasValidMinutes(dValue));
}

// Integers are cut toward zero (the text has no places for them); reals count as changed only
// beyond a hundred-thousandth, and are stored in any case.
void CEditNum::StoreValue(double dValue) {
    switch (m_nType) {
    case kShort:
        m_bChanged |= *m_pShortValue != static_cast<short>(dValue);
        *m_pShortValue = static_cast<short>(dValue);
        return;
    case kLong:
        m_bChanged |= *m_pLongValue != static_cast<LONG>(dValue);
        *m_pLongValue = static_cast<LONG>(dValue);
        return;
    case kFloat:
        m_bChanged |= std::fabs(dValue - *m_pFloatValue) > kRealTolerance;
        *m_pFloatValue = static_cast<float>(dValue);
        return;
    }
    m_bChanged |= std::fabs(dValue - *m_pDoubleValue) > kRealTolerance;
    *m_pDoubleValue = dValue;
}

// A text that is no number (the filter lets "1-2" or a lone "-" through) is refused as an
// out-of-range one is: the stored value comes back. The typed text stays otherwise. A field
// whose window is gone (the host destroyed its dialog from the field's own notification) has
// no text, and commits nothing.
bool CEditNum::CommitText() {
    if (m_hWnd == nullptr || !IsBound())
        return true;
    char szText[kCommitTextSize] = {};
    GetWindowText(szText, kCommitTextSize);
    double dValue = 0.0;
    const bool bNumber = CConv().Convert(szText, &dValue, m_nDecimals) != 0;
    if (!bNumber || !IsAcceptable(dValue))
        return ShowValue();
    StoreValue(dValue);
    return entry::NotifyChange(m_pbAlive, m_bChanged, m_pOwner, m_nChangeMsg);
}

BEGIN_MESSAGE_MAP(CEditNum, CEdit)
ON_WM_SETFOCUS()
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
ON_WM_KEYUP()
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

void CEditNum::OnSetFocus(CWnd* pOldWnd) {
    if (CallSurvives(m_pbAlive, [this] { Default(); }) &&
        CallSurvives(m_pbAlive, [this] { entry::Notify(m_pParent, m_nFocusMsg); }))
        entry::CloseImeOf(m_pOwner);
}

void CEditNum::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (entry::IsNumberCharacter(nChar))
        Default();
}

void CEditNum::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    entry::KeyDown(this, m_pKeyTable, m_nKeyCount, m_pOwner, m_nKeyMsg, nChar,
                   [this] { return CommitText(); });
}

void CEditNum::OnKillFocus(CWnd* pNewWnd) {
    if (!CallSurvives(m_pbAlive, [this] { Default(); }))
        return;
    entry::CloseImeOf(m_pOwner);
    if (CommitText() && m_bInvalidate == 1)
        Invalidate(TRUE);
}

void CEditNum::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    entry::KeyUp(this, m_pbAlive, m_pOwner, m_nShiftMsg, nChar);
}

void CEditNum::OnRButtonDown(UINT nFlags, CPoint point) {
    entry::RButtonDown(this, m_pbAlive, m_pOwner, m_nRButtonMsg, nFlags, point);
}
