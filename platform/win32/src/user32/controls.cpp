// The pieces every standard control uses: registration, state, notifications and painting.
#include "controls.h"

namespace headless {

void RegisterControlClass(const char* pszName, WNDPROC proc, UINT style) {
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = kControlExtraBytes;
    wc.hInstance = GetModuleHandleA("user32.dll");
    wc.lpszClassName = pszName;
    RegisterSystemClass(wc, 0);
}

void* ControlStateOfKind(HWND hwnd, const void* pKind) {
    const Window* pWnd = FindWindowPtr(hwnd);
    return pWnd != nullptr && pWnd->pControlKind == pKind ? pWnd->pControlState : nullptr;
}

bool AttachControlState(HWND hwnd, void* pState, const void* pKind) {
    Window* pWnd = FindWindowPtr(hwnd);
    if (pWnd == nullptr || pWnd->pControlState != nullptr)
        return false;
    pWnd->pControlState = pState;
    pWnd->pControlKind = pKind;
    return true;
}

void DetachControlState(HWND hwnd) {
    if (Window* pWnd = FindWindowPtr(hwnd)) {
        pWnd->pControlState = nullptr;
        pWnd->pControlKind = nullptr;
    }
}

HWND NotifyTarget(HWND hwnd) {
    const HWND parent = GetParent(hwnd);
    return parent != nullptr ? parent : hwnd;
}

void NotifyParent(HWND hwnd, WORD wCode) {
    NotifyOwner(NotifyTarget(hwnd), hwnd, wCode);
}

void NotifyOwner(HWND hwndOwner, HWND hwnd, WORD wCode) {
    SendMessageA(hwndOwner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), wCode),
                 reinterpret_cast<LPARAM>(hwnd));
}

HBRUSH OwnerBrush(HWND hwndOwner, HWND hwnd, HDC hdc, UINT uCtlColor) {
    HBRUSH hbr = reinterpret_cast<HBRUSH>(SendMessageA(
        hwndOwner, uCtlColor, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd)));
    // An owner that answers nothing gets the system's colours.
    if (hbr == nullptr)
        hbr = reinterpret_cast<HBRUSH>(DefWindowProcA(
            hwndOwner, uCtlColor, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd)));
    return hbr;
}

HBRUSH ParentBrush(HWND hwnd, HDC hdc, UINT uCtlColor) {
    return OwnerBrush(NotifyTarget(hwnd), hwnd, hdc, uCtlColor);
}

void ChangeOwnStyle(HWND hwnd, DWORD dwSet, DWORD dwClear) {
    if (Window* pWnd = FindWindowPtr(hwnd))
        pWnd->style = (pWnd->style & ~dwClear) | dwSet;
}

DWORD StyleOf(HWND hwnd) {
    const Window* pWnd = FindWindowPtr(hwnd);
    return pWnd != nullptr ? pWnd->style : 0;
}

const std::string& TextOf(HWND hwnd) {
    static const std::string kNoText;
    const Window* pWnd = FindWindowPtr(hwnd);
    return pWnd != nullptr ? pWnd->text : kNoText;
}

ControlPaint::ControlPaint(HWND hwnd, HDC hdcGiven, HFONT hFont)
    : m_hwnd(hwnd), m_bOwnDc(hdcGiven == nullptr), m_ps(), m_hdc(hdcGiven), m_hOldFont(nullptr) {
    if (m_bOwnDc)
        m_hdc = BeginPaint(hwnd, &m_ps);
    if (m_hdc != nullptr && hFont != nullptr)
        m_hOldFont = SelectObject(m_hdc, hFont);
}

ControlPaint::~ControlPaint() {
    if (m_hOldFont != nullptr)
        SelectObject(m_hdc, m_hOldFont);
    if (m_bOwnDc)
        EndPaint(m_hwnd, &m_ps);
}

RECT ControlPaint::Client() const {
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    return rc;
}

ControlDc::ControlDc(HWND hwnd, HFONT hFont)
    : m_hwnd(hwnd), m_hdc(GetDC(hwnd)), m_hOldFont(nullptr) {
    if (m_hdc != nullptr && hFont != nullptr)
        m_hOldFont = SelectObject(m_hdc, hFont);
}

ControlDc::~ControlDc() {
    if (m_hOldFont != nullptr)
        SelectObject(m_hdc, m_hOldFont);
    ReleaseDC(m_hwnd, m_hdc);
}

int FontHeight(HWND hwnd, HFONT hFont) {
    ControlDc dc(hwnd, hFont);
    TEXTMETRICA tm;
    return GetTextMetricsA(dc.Dc(), &tm) ? tm.tmHeight : -1;
}

} // namespace headless
