// The demo host: opens the library's customer search dialog (template 80) the way a host
// application does, prints the item table the controller built from it and the messages the
// dialog received, then walks through the dialog with the keyboard.
#include <HostDialogMessage.h>
#include <tk_peludlg14.h>

#include <cstdio>
#include <string>

namespace {

// The host's own message numbers.
constexpr UINT kFuncKeyMsg = WM_APP + 1;
constexpr UINT kPullCloseMsg = WM_APP + 2;
constexpr UINT kCheckMsg = WM_APP + 3;

// Code page 932 text for a UTF-8 terminal.
std::string ToUtf8(const char* pszAnsi) {
    WCHAR wide[256];
    const int nWide = MultiByteToWideChar(CP_ACP, 0, pszAnsi, -1, wide, 256);
    char utf8[768];
    const int cb =
        WideCharToMultiByte(CP_UTF8, 0, wide, nWide, utf8, sizeof(utf8), nullptr, nullptr);
    return cb > 0 ? std::string(utf8) : std::string(pszAnsi);
}

std::string Caption(HWND hwnd) {
    char szText[256];
    GetWindowTextA(hwnd, szText, sizeof(szText));
    std::string text = ToUtf8(szText);
    for (char& ch : text) {
        // The captions carry the host's key markers 0x1E and 0x1F.
        if (ch == '\x1E' || ch == '\x1F')
            ch = '^';
    }
    return text;
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
    case KIND_COMBO:
        return "combo box";
    case KIND_LIST:
        return "list box";
    case KIND_PULLCOMBO:
        return "pull-down combo";
    case KIND_EDIT6000:
        return "host edit (6000)";
    case KIND_EDIT5000:
        return "host edit (5000)";
    case KIND_EDITMULTI:
        return "multi-line edit";
    }
    return "?";
}

// The notifications the search dialog's controls send.
const char* NotificationName(WPARAM wParam) {
    switch (HIWORD(wParam)) {
    case BN_CLICKED:
        return "BN_CLICKED";
    case EN_SETFOCUS:
        return "EN_SETFOCUS";
    case EN_KILLFOCUS:
        return "EN_KILLFOCUS";
    case EN_CHANGE:
        return "EN_CHANGE";
    case EN_UPDATE:
        return "EN_UPDATE";
    }
    return "notification";
}

std::string MessageName(UINT message, WPARAM wParam) {
    char szName[64];
    switch (message) {
    case kCheckMsg:
        std::snprintf(szName, sizeof(szName), "check message, button %u",
                      static_cast<unsigned>(wParam));
        return szName;
    case kFuncKeyMsg:
        std::snprintf(szName, sizeof(szName), "function key F%u",
                      static_cast<unsigned>(wParam - VK_F1 + 1));
        return szName;
    case WM_DLGSB_WRAPTOP:
        return "wrapped from the last item to the first";
    case WM_DLGSB_WRAPBOTTOM:
        return "wrapped from the first item to the last";
    case WM_COMMAND:
        std::snprintf(szName, sizeof(szName), "WM_COMMAND %s from %u", NotificationName(wParam),
                      LOWORD(wParam));
        return szName;
    }
    return std::string();
}

INT_PTR CALLBACK SearchDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::string name = MessageName(message, wParam);
    if (!name.empty())
        std::printf("      dialog <- %s\n", name.c_str());
    return message == WM_INITDIALOG;
}

// The host's loop: every message goes through HostDialogMessage first, which gives the
// dialog's controls the keys the library routes and everything else to IsDialogMessage.
void Pump(HWND hwndDlg) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!HostDialogMessage(hwndDlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void PrintItemTable(const CDlgSb& sb) {
    std::printf("Item table (%u items):\n", sb.m_nCount);
    std::printf("  index    ID  kind              group  caption\n");
    for (UINT i = 0; i < sb.m_nCount; ++i)
        std::printf("  %5u %5u  %-16s  %5d  %s\n", i, sb.m_pID[i], KindName(sb.m_pKind[i]),
                    sb.m_pGroup[i], Caption(sb.m_phWnd[i]).c_str());
}

void Press(HWND hwndDlg, UINT vk, const char* pszKey) {
    std::printf("  %s\n", pszKey);
    PostMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
    Pump(hwndDlg);
    PostMessageA(GetFocus(), WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
    Pump(hwndDlg);
    std::printf("      focus on %d %s\n", GetDlgCtrlID(GetFocus()), Caption(GetFocus()).c_str());
}

} // namespace

int main() {
    InitPeluDlgDLL();

    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "DemoHostWindow";
    RegisterClassA(&wc);
    const HWND hwndHost =
        CreateWindowExA(0, wc.lpszClassName, "demo host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                        640, 480, nullptr, nullptr, wc.hInstance, nullptr);

    // The library joined the host's resource look-ups: the host finds template 80 without
    // naming the library's module.
    const HINSTANCE hTemplates = AfxFindResourceHandle(MAKEINTRESOURCEA(80), RT_DIALOG);
    std::printf("Search dialog 80, found in the %s module\n",
                hTemplates == GetModuleHandleA(nullptr) ? "host's" : "library's");
    const HWND hwndDlg =
        CreateDialogParamA(hTemplates, MAKEINTRESOURCEA(80), hwndHost, SearchDialogProc, 0);
    if (hwndDlg == nullptr) {
        std::fprintf(stderr, "demo host: the search dialog could not be made\n");
        return 1;
    }
    std::printf("  title %s; the host checks radio button 1081\n", Caption(hwndDlg).c_str());
    CheckDlgButton(hwndDlg, 1081, BST_CHECKED);
    ShowWindow(hwndDlg, SW_SHOW);
    Pump(hwndDlg);

    std::printf("Init, wrap messages asked for\n");
    CDlgSb sb;
    const int nInit = sb.InitDll(CWnd::FromHandle(hwndDlg), hTemplates, 80, kFuncKeyMsg,
                                 kPullCloseMsg, kCheckMsg, 1, 0);
    Pump(hwndDlg);
    std::printf("  result %d, focus on item %d\n", nInit, sb.m_nFocus);
    if (nInit != 1)
        return 1;
    PrintItemTable(sb);

    std::printf("Keyboard walk:\n");
    const struct {
        UINT vk;
        const char* pszKey;
    } keys[] = {{VK_DOWN, "Down"},    {VK_DOWN, "Down"}, {VK_DOWN, "Down"}, {VK_UP, "Up"},
                {VK_UP, "Up"},        {VK_UP, "Up"},     {VK_UP, "Up"},     {VK_UP, "Up"},
                {VK_RETURN, "Enter"}, {VK_F5, "F5"},     {VK_DOWN, "Down"}};
    for (const auto& key : keys)
        Press(hwndDlg, key.vk, key.pszKey);

    DestroyWindow(hwndDlg);
    DestroyWindow(hwndHost);
    return 0;
}
