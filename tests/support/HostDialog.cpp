// The recorded owner window and dialog of a test host, and typing into them.
#include "HostDialog.h"

#include "MessageLog.h"

namespace test {
namespace {

const char kOwnerClass[] = "TestHostOwner";

void RegisterOwnerClass() {
    static bool bRegistered = false;
    if (bRegistered)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingWindowProc;
    wc.hInstance = ProgramModule();
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kOwnerClass;
    bRegistered = RegisterClassA(&wc) != 0;
}

void PostKey(UINT message, UINT vk, LPARAM lParam) {
    PostMessageA(GetFocus(), message, vk, lParam);
    Pump();
}

} // namespace

HostDialog::HostDialog(HINSTANCE hInst, UINT nIDTemplate, bool bOwned) {
    RegisterOwnerClass();
    m_hwndOwner = CreateWindowExA(0, kOwnerClass, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  640, 480, nullptr, nullptr, ProgramModule(), nullptr);
    RecordWindow(m_hwndOwner, "owner");
    m_hwndDialog = CreateDialogParamA(hInst, MAKEINTRESOURCEA(nIDTemplate),
                                      bOwned ? m_hwndOwner : nullptr, RecordingDialogProc, 0);
    if (m_hwndDialog != nullptr) {
        RecordWindow(m_hwndDialog, "dlg");
        ShowWindow(m_hwndDialog, SW_SHOW);
    }
    Pump();
    ClearMessages();
}

HostDialog::~HostDialog() {
    if (m_hwndDialog != nullptr)
        DestroyWindow(m_hwndDialog);
    DestroyWindow(m_hwndOwner);
    Pump();
    ForgetWindows();
    ClearMessages();
}

void TypeKey(UINT vk) {
    PostKey(WM_KEYDOWN, vk, 1);
    PostKey(WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
}

HINSTANCE ProgramModule() {
    return GetModuleHandleA(nullptr);
}

HINSTANCE LibraryModule() {
    return GetModuleHandleA("tk_peludlg14.dll");
}

} // namespace test
