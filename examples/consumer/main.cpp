// A host application of the installed package: it opens its own customer dialog, attaches the
// library's controller, prints the item table the controller built from the dialog's template,
// then types a few keys through the host's dialog loop and prints where the focus went.
#include "consumer.h"

#include <HostDialogMessage.h>
#include <tk_peludlg14.h>

#include <cstdio>
#include <initializer_list>

namespace {

constexpr UINT kFuncKeyMsg = WM_APP + 1;
constexpr UINT kCheckMsg = WM_APP + 2;

INT_PTR CALLBACK CustomerDialogProc(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == kFuncKeyMsg)
        std::printf("    host: function key F%u\n", static_cast<unsigned>(wParam - VK_F1 + 1));
    else if (message == kCheckMsg)
        std::printf("    host: check change %u\n", static_cast<unsigned>(wParam));
    return message == WM_INITDIALOG;
}

// Every waiting message through the host's loop: HostDialogMessage in place of
// IsDialogMessage, so that the library's controls get Enter.
void Pump(HWND hDlg) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!HostDialogMessage(hDlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

const char* KindName(BYTE kind) {
    switch (kind) {
    case KIND_PUSH:
        return "push button";
    case KIND_CHECK:
        return "check box";
    case KIND_RADIO:
        return "radio button";
    case KIND_EDIT:
        return "edit";
    }
    return "other";
}

} // namespace

int main() {
    InitPeluDlgDLL();
    const HWND hDlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CUSTOMER),
                                         nullptr, CustomerDialogProc, 0);
    if (hDlg == nullptr) {
        std::fprintf(stderr, "consumer: the customer dialog cannot be made\n");
        return 1;
    }
    CheckDlgButton(hDlg, IDC_CORPORATE, BST_CHECKED);
    ShowWindow(hDlg, SW_SHOW);
    int nResult = 1;
    {
        CDlgSb sb;
        if (sb.Init(CWnd::FromHandle(hDlg), IDD_CUSTOMER, kFuncKeyMsg, 0, kCheckMsg, 0, 0) == 1) {
            Pump(hDlg);
            std::printf("Item table of the customer dialog:\n");
            for (UINT i = 0; i < sb.m_nCount; ++i)
                std::printf("  %u: ID %u, %s, group %d\n", i, sb.m_pID[i], KindName(sb.m_pKind[i]),
                            sb.m_pGroup[i]);
            for (const BYTE vk : {VK_RETURN, VK_RETURN, VK_RETURN, VK_F5, VK_UP}) {
                keybd_event(vk, 0, 0, 0);
                keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
                Pump(hDlg);
                std::printf("  key 0x%02X: focus on %d\n", vk, GetDlgCtrlID(GetFocus()));
            }
            nResult = 0;
        }
    }
    DestroyWindow(hDlg);
    return nResult;
}
