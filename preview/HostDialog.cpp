// The host's main window, its dialog and controller, and the messages it receives.
#include "HostDialog.h"

#include "Controls.h"
#include "HostMessages.h"

#include <HostDialogMessage.h>

namespace {

const char kMainWindowClass[] = "PreviewHostWindow";

HostDialog* HostOf(HWND hwnd) {
    return reinterpret_cast<HostDialog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool RegisterMainWindowClass(WNDPROC proc) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

std::vector<HWND> Children(HWND hDlg) {
    std::vector<HWND> children;
    for (HWND hwnd = GetWindow(hDlg, GW_CHILD); hwnd != nullptr;
         hwnd = GetWindow(hwnd, GW_HWNDNEXT))
        children.push_back(hwnd);
    return children;
}

// A group runs from a control with WS_GROUP to the next one.
void CheckFirstRadioOfUncheckedGroups(HWND hDlg) {
    std::vector<HWND> radios;
    bool bChecked = false;
    auto endGroup = [&] {
        if (!radios.empty() && !bChecked)
            SendMessageA(radios.front(), BM_SETCHECK, BST_CHECKED, 0);
        radios.clear();
        bChecked = false;
    };
    for (HWND hwnd : Children(hDlg)) {
        if (GetWindowLongA(hwnd, GWL_STYLE) & WS_GROUP)
            endGroup();
        if (KindOf(hwnd) == ControlKind::RadioButton) {
            radios.push_back(hwnd);
            bChecked = bChecked || SendMessageA(hwnd, BM_GETCHECK, 0, 0) != BST_UNCHECKED;
        }
    }
    endGroup();
}

} // namespace

HostDialog::HostDialog() = default;

// The dialog closes before its controller goes, as a host's does: the controls go with it.
HostDialog::~HostDialog() {
    m_dialog.Detach();
    if (m_hwndDialog != nullptr)
        DestroyWindow(m_hwndDialog);
    m_pController.reset();
    if (m_hwndMain != nullptr)
        DestroyWindow(m_hwndMain);
}

bool HostDialog::Open(HINSTANCE hTemplates, UINT nTemplate, DialogSetup* pSetup,
                      std::string* pError) {
    if (!RegisterMainWindowClass(MainWindowProc)) {
        *pError = "the host window class cannot be registered";
        return false;
    }
    m_hwndMain = CreateWindowExA(0, kMainWindowClass, "tk_peludlg14 preview",
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), this);
    m_hwndDialog = CreateDialogParamA(hTemplates, MAKEINTRESOURCEA(nTemplate), m_hwndMain,
                                      DialogProc, reinterpret_cast<LPARAM>(this));
    if (m_hwndMain == nullptr || m_hwndDialog == nullptr) {
        *pError = "dialog template " + std::to_string(nTemplate) + " cannot be made";
        return false;
    }
    m_dialog.Attach(m_hwndDialog);
    m_pSetup = pSetup;
    if (pSetup != nullptr && !pSetup->Prepare(&m_dialog)) {
        *pError =
            "the host's part of dialog template " + std::to_string(nTemplate) + " cannot be made";
        return false;
    }
    // A property page (WS_CHILD | DS_CONTROL) is often disabled in its template until its sheet
    // shows it; the previewer is its sheet.
    if (GetWindowLongA(m_hwndDialog, GWL_STYLE) & WS_CHILD)
        EnableWindow(m_hwndDialog, TRUE);
    CheckFirstRadioOfUncheckedGroups(m_hwndDialog);
    ShowWindow(m_hwndDialog, SW_SHOW);
    Pump();
    return Attach(hTemplates, nTemplate, pError);
}

// A dialog the controller does not take stays shown without it, as a host would leave it; the
// controller stays with the dialog all the same, as a host keeps its object until the dialog
// closes: what it subclassed before it failed goes with the dialog's controls.
bool HostDialog::Attach(HINSTANCE hTemplates, UINT nTemplate, std::string* pError) {
    m_pController = std::make_unique<CDlgSb>();
    const int nInit =
        hTemplates == GetModuleHandleA(nullptr)
            ? m_pController->Init(&m_dialog, nTemplate, kFuncKeyMsg, kPullCloseMsg, kCheckMsg, 1, 0)
            : m_pController->InitDll(&m_dialog, hTemplates, nTemplate, kFuncKeyMsg, kPullCloseMsg,
                                     kCheckMsg, 1, 0);
    Pump();
    if (nInit != 1) {
        m_uncontrolled = "the controller does not take it";
        return true;
    }
    if (m_pSetup != nullptr && !m_pSetup->Attached(*m_pController)) {
        *pError = "the controller refuses the host's settings of dialog template " +
                  std::to_string(nTemplate);
        return false;
    }
    return true;
}

bool HostDialog::DialogMessage(MSG* pMsg) const {
    return HostDialogMessage(m_hwndDialog, pMsg) != FALSE;
}

// Once the queue is empty the thread is idle: the class framework's temporary objects go, as
// an MFC host's idle time lets them go, so that a long session does not grow.
void HostDialog::Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!DialogMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    AfxLockTempMaps();
    AfxUnlockTempMaps();
}

std::vector<std::string> HostDialog::TakeMessages() {
    std::vector<std::string> messages;
    messages.swap(m_messages);
    return messages;
}

// A label that ends in a colon, half-width or full-width (0x81 0x46), gets no second one.
std::vector<std::string> HostDialog::Values() const {
    std::vector<std::string> values;
    for (HWND hwnd : Children(m_hwndDialog)) {
        const ControlKind kind = KindOf(hwnd);
        if (!HoldsValue(kind))
            continue;
        const bool bLabelled = kind != ControlKind::CheckBox && kind != ControlKind::RadioButton;
        const std::string label = bLabelled ? LabelOf(hwnd) : std::string();
        std::string line = std::to_string(GetDlgCtrlID(hwnd));
        if (!label.empty()) {
            const bool bColon =
                label.back() == ':' ||
                (label.size() >= 2 && label.compare(label.size() - 2, 2, "\x81\x46") == 0);
            line += " " + label + (bColon ? "" : ":");
        }
        const std::string value = ValueOf(hwnd);
        values.push_back(value.empty() ? line : line + " " + value);
    }
    return values;
}

void HostDialog::Note(UINT message, WPARAM wParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        m_bCancelled = true;
    if (message == kFieldFocusMsg)
        m_nField = GetDlgCtrlID(GetFocus());
    const std::string name = DescribeHostMessage(message, wParam, m_nField);
    if (!name.empty())
        m_messages.push_back(name);
}

// A control the controller does not take (a stand-in, a label or a scroll bar with a tab stop)
// gets the keys the dialog manager gives it, as under Win32: Tab onto it moves the focus there,
// the controller's focus item stays where it was, and the next item to gain the focus tells the
// controller so itself. The controller leaves the entry fields and the free-standing pull-down
// list to the host: it learns which field has the focus (whose text is selected, as the fields'
// SetSel does, so that typing replaces it), and their exit keys and the list's keys move on as the
// same keys do in the template's own edits. Enter, which the controller leaves alone in the 5000
// range, moves on as Down does.
void HostDialog::AnswerField(UINT message, WPARAM wParam) {
    if (m_pController == nullptr || !m_uncontrolled.empty())
        return;
    if (message == kFieldFocusMsg) {
        m_pController->SetFocusID(static_cast<short>(m_nField));
        SendMessageA(GetFocus(), EM_SETSEL, 0, -1);
    } else if (message == kFieldKeyMsg || message == kPartnerKeyMsg)
        m_pController->DialogKeyDown(wParam == VK_RETURN ? VK_DOWN : static_cast<UINT>(wParam));
}

INT_PTR CALLBACK HostDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        return TRUE;
    }
    if (HostDialog* pHost = HostOf(hwnd)) {
        pHost->Note(message, wParam);
        if (pHost->m_pSetup != nullptr)
            pHost->m_pSetup->Received(message, wParam);
        pHost->AnswerField(message, wParam);
    }
    return FALSE;
}

// The controller tells the dialog's owner when the focus leaves past the first or last item.
LRESULT CALLBACK HostDialog::MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(
            hwnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    else if (HostDialog* pHost = HostOf(hwnd))
        pHost->Note(message, wParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
