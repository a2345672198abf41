// CEditSub: the reading field. While the user composes in the field, the reading field shows
// its text from the composition's start, the readings of every result committed since, and
// the reading of what is still being composed.
#include "CEditSub.h"

#include "AliveWatch.h"
#include "ShiftJis.h"

#include <imm.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kReadingSize = sizeof(CEditSub::m_szBase);

// The reading fetched from the input method; every field uses it in turn, on the one thread.
char s_szRead[kReadingSize];

bool IsReadingFieldOn(const CWnd* pKanaWnd) {
    return pKanaWnd != nullptr && pKanaWnd->IsWindowEnabled();
}

// An error from the input method counts as no reading, and a reading longer than the buffer
// is cut to its whole characters within 1023 bytes. The buffer is emptied whole first: a
// reported length beyond the bytes copied finds no stale reading there.
void FetchReading(HIMC hIMC, DWORD dwIndex) {
    std::memset(s_szRead, 0, kReadingSize);
    const LONG cbRead = ImmGetCompositionStringA(hIMC, dwIndex, s_szRead, kReadingSize);
    const size_t nRead = static_cast<size_t>(std::clamp<LONG>(cbRead, 0, kReadingSize - 1));
    s_szRead[ShiftJis::FittingLength(s_szRead, nRead)] = '\0';
}

// The reading field's limit as the reading rule takes it: a 16-bit signed number, of which 0
// or less takes no reading. An edit whose limit was never set answers 30,000 and takes
// readings; limits from 32,768 on, and EM_LIMITTEXT 0 (0x7FFFFFFE, and 0xFFFFFFFF for a
// multi-line edit), read as negative and take none, as the rule says. A window that is no edit
// answers 0. The buffer's capacity caps the limit.
int ReadingLimit(CWnd* pKanaWnd) {
    const short nLimit = static_cast<short>(LOWORD(pKanaWnd->SendMessage(EM_GETLIMITTEXT)));
    return std::min<int>(nLimit, kReadingSize - 1);
}

// Appends what fits of the reading within the reading field's limit and the buffer's
// capacity. The cut keeps whole characters: a double-byte reading is never split in two.
void AppendReading(char* pszText, const char* pszReading, CWnd* pKanaWnd) {
    const int nLimit = ReadingLimit(pKanaWnd);
    const int nText = static_cast<int>(std::strlen(pszText));
    if (nText >= nLimit) // mutants: skip (a full field takes no byte either way)
        return;
    const size_t nAppend = ShiftJis::FittingLength(pszReading, nLimit - nText);
    std::memcpy(pszText + nText, pszReading, nAppend);
    pszText[nText + nAppend] = '\0';
}

void CopyText(char* pszTarget, const char* pszSource) {
    std::memcpy(pszTarget, pszSource, std::strlen(pszSource) + 1);
}

} // namespace

// The shown reading starts as the reading field's text, so that a composition that ends
// without a change leaves the reading field as it was.
LRESULT CEditSub::OnImeStartComposition(WPARAM wParam, LPARAM lParam) {
    m_szBase[0] = '\0';
    m_bComposing = 1;
    if (IsReadingFieldOn(m_pKanaWnd))
        m_pKanaWnd->GetWindowText(m_szBase, kReadingSize);
    CopyText(m_szCur, m_szBase);
    return ::DefWindowProcA(m_hWnd, WM_IME_STARTCOMPOSITION, wParam, lParam);
}

LRESULT CEditSub::OnImeComposition(WPARAM wParam, LPARAM lParam) {
    const HWND hWnd = m_hWnd;
    if (IsReadingFieldOn(m_pKanaWnd) && !CopyReadings(lParam))
        return 0;
    return ::DefWindowProcA(hWnd, WM_IME_COMPOSITION, wParam, lParam);
}

LRESULT CEditSub::OnImeEndComposition(WPARAM wParam, LPARAM lParam) {
    const HWND hWnd = m_hWnd;
    if (IsReadingFieldOn(m_pKanaWnd)) {
        m_bComposing = 0;
        if (!CallSurvives(m_pbAlive, [this] { m_pKanaWnd->SetWindowText(m_szCur); }))
            return 0;
        CopyText(m_szBase, m_szCur);
    }
    return ::DefWindowProcA(hWnd, WM_IME_ENDCOMPOSITION, wParam, lParam);
}

// A committed result's reading joins the base for good; the reading being composed is shown
// after it, and a change without one (the composition emptied or cancelled) shows the base
// alone. The reading field tells the dialog of each new text, and the host may close the
// dialog there: false then.
bool CEditSub::CopyReadings(LPARAM lParam) {
    if (!m_bComposing) {
        m_pKanaWnd->GetWindowText(m_szBase, kReadingSize);
        m_bComposing = 1;
    }
    const HWND hWnd = m_hWnd;
    const HIMC hIMC = ImmGetContext(hWnd);
    bool bAlive = true;
    if (lParam & GCS_RESULTREADSTR) {
        FetchReading(hIMC, GCS_RESULTREADSTR);
        AppendReading(m_szBase, s_szRead, m_pKanaWnd);
        bAlive = CallSurvives(m_pbAlive, [this] { m_pKanaWnd->SetWindowText(m_szBase); });
    }
    if (bAlive) {
        CopyText(m_szCur, m_szBase);
        if (lParam & GCS_COMPREADSTR) {
            FetchReading(hIMC, GCS_COMPREADSTR);
            AppendReading(m_szCur, s_szRead, m_pKanaWnd);
        }
        bAlive = CallSurvives(m_pbAlive, [this] { m_pKanaWnd->SetWindowText(m_szCur); });
    }
    ImmReleaseContext(hWnd, hIMC);
    return bAlive;
}
