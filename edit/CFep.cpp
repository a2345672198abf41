// CFep: the input method switch of the library's entry fields.
#include "CFep.h"

namespace {

HWND WindowOf(CWnd* pWnd) {
    return pWnd != nullptr ? pWnd->m_hWnd : nullptr;
}

// Native input with the width and script of the chosen mode; of the old mode only the romaji
// bit survives.
DWORD ConversionMode(DWORD dwOldMode, short bKana) {
    DWORD dwMode = IME_CMODE_NATIVE | (dwOldMode & IME_CMODE_ROMAN);
    dwMode |= bKana ? IME_CMODE_KATAKANA : IME_CMODE_FULLSHAPE;
    return dwMode;
}

} // namespace

CFep::CFep() : m_pTargetWnd(nullptr), m_hIMC(nullptr), m_bOn(FALSE) {}

CFep::~CFep() {}

int CFep::FepOn(CWnd* pWnd, short nFepParam1, short nFepParam2, short bKana) {
    m_pTargetWnd = pWnd;
    if (pWnd == nullptr || m_bOn == 1)
        return 0;
    m_hIMC = ImmGetContext(pWnd->m_hWnd);
    m_bOn = 1;
    ImmSetOpenStatus(m_hIMC, TRUE);
    DWORD dwConversion = 0, dwSentence = 0;
    ImmGetConversionStatus(m_hIMC, &dwConversion, &dwSentence);
    ImmSetConversionStatus(m_hIMC, ConversionMode(dwConversion, bKana), dwSentence);
    ImmReleaseContext(m_pTargetWnd->m_hWnd, m_hIMC);
    return 1;
}

int CFep::KanaOn(CWnd* pWnd, short nFepParam1, short nFepParam2) {
    return FepOn(pWnd, nFepParam1, nFepParam2, 1);
}

void CFep::FepOff() {
    if (m_pTargetWnd == nullptr || m_bOn != 1)
        return;
    m_bOn = 0;
    const HWND hWnd = m_pTargetWnd->m_hWnd;
    const HIMC hIMC = ImmGetContext(hWnd);
    ImmSetOpenStatus(hIMC, FALSE);
    ImmReleaseContext(hWnd, hIMC);
}

void CFep::FepAbsOff(CWnd* pWnd) {
    const HWND hWnd = WindowOf(pWnd);
    const HIMC hIMC = ImmGetContext(hWnd);
    if (ImmGetOpenStatus(hIMC))
        ImmSetOpenStatus(hIMC, FALSE);
    ImmReleaseContext(hWnd, hIMC);
}
