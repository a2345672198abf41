// The recorded owner window and dialog of a test host, and typing into them.
#include "HostDialog.h"

#include "ImeComposer.h"
#include "MessageLog.h"

#include <imm.h>

namespace test {
namespace {

const char kHostClass[] = "TestHostWindow";

void RegisterHostClass() {
    static bool bRegistered = false;
    if (bRegistered)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingWindowProc;
    wc.hInstance = ProgramModule();
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kHostClass;
    bRegistered = RegisterClassA(&wc) != 0;
}

constexpr BYTE kShiftScan = 0x2A;

void PostKey(UINT message, UINT vk, LPARAM lParam) {
    PostMessageA(GetFocus(), message, vk, lParam);
}

bool ShiftIsDown() {
    return GetKeyState(VK_SHIFT) < 0;
}

} // namespace

HWND CreateHostWindow(const char* pszName, WNDPROC proc) {
    RegisterHostClass();
    const HWND hwnd = CreateWindowExA(0, kHostClass, pszName, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                      0, 640, 480, nullptr, nullptr, ProgramModule(), nullptr);
    if (proc != nullptr)
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    RecordWindow(hwnd, pszName);
    return hwnd;
}

HostDialog::HostDialog(HINSTANCE hInst, UINT nIDTemplate, bool bOwned) {
    m_hwndOwner = CreateHostWindow("owner");
    m_ownerWnd.Attach(m_hwndOwner);
    m_hwndDialog = CreateDialogParamA(hInst, MAKEINTRESOURCEA(nIDTemplate),
                                      bOwned ? m_hwndOwner : nullptr, RecordingDialogProc, 0);
    m_dialogWnd.Attach(m_hwndDialog);
    if (m_hwndDialog != nullptr) {
        RecordWindow(m_hwndDialog, "dlg");
        ShowWindow(m_hwndDialog, SW_SHOW);
    }
    Pump();
    ClearMessages();
}

// The objects let go of the windows first: the windows are the harness's to destroy.
HostDialog::~HostDialog() {
    m_dialogWnd.Detach();
    m_ownerWnd.Detach();
    if (m_hwndDialog != nullptr)
        DestroyWindow(m_hwndDialog);
    DestroyWindow(m_hwndOwner);
    Pump();
    ForgetWindows();
    ClearMessages();
}

void TypeKeyInDialog(HWND hDlg, UINT vk, DialogMessageFunction dialogMessage) {
    PostKey(WM_KEYDOWN, vk, 1);
    PumpDialog(hDlg, dialogMessage);
    PostKey(WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
    PumpDialog(hDlg, dialogMessage);
}

bool ComposeInDialog(HWND hDlg, const char* pszComposed, const char* pszResult,
                     const char* pszReading) {
    const ImeComposer& ime = Ime();
    if (!ime.StartComposition())
        return false;
    PumpDialog(hDlg);
    const bool bComposed = ime.Compose(nullptr, nullptr, pszComposed, pszReading) != FALSE;
    PumpDialog(hDlg);
    const bool bCommitted = ime.Compose(pszResult, pszReading, nullptr, nullptr) != FALSE;
    PumpDialog(hDlg);
    const bool bEnded = ime.EndComposition() != FALSE;
    PumpDialog(hDlg);
    return bComposed && bCommitted && bEnded;
}

// Wine takes the modifier keys over from the X keyboard when one of its windows gets the X
// focus, which may happen just after the press: the press is then made again.
bool HoldShift(bool bDown) {
    const DWORD dwStart = GetTickCount();
    const DWORD dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    keybd_event(VK_SHIFT, kShiftScan, dwFlags, 0);
    while (GetTickCount() - dwStart < 2000) {
        Pump();
        if (ShiftIsDown() == bDown)
            return true;
        if ((GetAsyncKeyState(VK_SHIFT) < 0) != bDown)
            keybd_event(VK_SHIFT, kShiftScan, dwFlags, 0);
    }
    return false;
}

std::string WindowText(HWND hwnd) {
    char szText[2048] = {};
    GetWindowTextA(hwnd, szText, sizeof(szText));
    return szText;
}

bool IsImeOpen(HWND hwnd, DWORD dwModeBit) {
    const HIMC hIMC = ImmGetContext(hwnd);
    DWORD dwConversion = 0, dwSentence = 0;
    ImmGetConversionStatus(hIMC, &dwConversion, &dwSentence);
    const bool bOpen = ImmGetOpenStatus(hIMC) && (dwConversion & dwModeBit) == dwModeBit;
    ImmReleaseContext(hwnd, hIMC);
    return bOpen;
}

void SetImeOpen(HWND hwnd, BOOL bOpen) {
    const HIMC hIMC = ImmGetContext(hwnd);
    ImmSetOpenStatus(hIMC, bOpen);
    ImmReleaseContext(hwnd, hIMC);
}

HINSTANCE ProgramModule() {
    return GetModuleHandleA(nullptr);
}

HINSTANCE LibraryModule() {
    return GetModuleHandleA("tk_peludlg14.dll");
}

} // namespace test
