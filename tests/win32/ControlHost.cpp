// Parent windows, dialogs and recorded controls for the tests of the standard controls.
#include "ControlHost.h"

#include "MessageLog.h"

#include <map>

namespace test {
namespace {

const char kParentClass[] = "ControlTestParent";

std::vector<DrawnItem> g_drawn;
std::vector<MeasuredItem> g_measured;
std::vector<ColourRequest> g_colours;
UINT g_nMeasuredHeight = 0;

std::map<HWND, WNDPROC>& ControlProcs() {
    static std::map<HWND, WNDPROC> procs;
    return procs;
}

std::map<HWND, WNDPROC>& ColourProcs() {
    static std::map<HWND, WNDPROC> procs;
    return procs;
}

// What a parent keeps of the requests that the message record leaves out; true when the
// message was one of them.
void KeepParentRequest(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const DRAWITEMSTRUCT& dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        g_drawn.push_back({dis.CtlType, dis.CtlID, dis.itemID, dis.itemAction, dis.itemState,
                           dis.hwndItem, dis.rcItem, dis.itemData});
    } else if (message == WM_MEASUREITEM) {
        MEASUREITEMSTRUCT& mis = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        g_measured.push_back({mis.CtlType, mis.CtlID, mis.itemID, mis.itemWidth, mis.itemHeight});
        if (g_nMeasuredHeight != 0)
            mis.itemHeight = g_nMeasuredHeight;
    } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        g_colours.push_back({hwnd, message, reinterpret_cast<HWND>(lParam)});
    }
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    RecordMessage(hwnd, message, wParam, lParam);
    KeepParentRequest(hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    RecordMessage(hwnd, message, wParam, lParam);
    KeepParentRequest(hwnd, message, wParam, lParam);
    if (message == WM_MEASUREITEM) {
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

LRESULT CALLBACK RecordingControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC proc = ControlProcs()[hwnd];
    RecordMessage(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        ControlProcs().erase(hwnd);
    return CallWindowProcA(proc, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ColourRecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC proc = ColourProcs()[hwnd];
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        g_colours.push_back({hwnd, message, reinterpret_cast<HWND>(lParam)});
    if (message == WM_NCDESTROY)
        ColourProcs().erase(hwnd);
    return CallWindowProcA(proc, hwnd, message, wParam, lParam);
}

void RegisterParentClass() {
    static bool bRegistered = false;
    if (bRegistered)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kParentClass;
    bRegistered = RegisterClassA(&wc) != 0;
}

HWND CreateParent(const char* pszName) {
    RegisterParentClass();
    const HWND hwnd =
        CreateWindowExA(0, kParentClass, pszName, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    RecordWindow(hwnd, pszName);
    return hwnd;
}

void Forget() {
    Pump();
    ForgetWindows();
    ClearMessages();
    ClearParentRecords();
    g_nMeasuredHeight = 0;
}

} // namespace

DialogTemplateBuilder::DialogTemplateBuilder(DWORD style, short cx, short cy) {
    Dword(style | DS_SETFONT);
    Dword(0);
    Word(0); // the number of controls, counted as they come
    Word(0);
    Word(0);
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(0); // no menu
    Word(0); // the standard class
    Text("dialog");
    Word(9);
    Text("MS Shell Dlg");
}

DialogTemplateBuilder& DialogTemplateBuilder::Control(WORD wClassAtom, DWORD style, short x,
                                                      short y, short cx, short cy, WORD wId,
                                                      const char* pszText, DWORD exStyle) {
    if (m_words.size() % 2 != 0)
        Word(0);
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(exStyle);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(wId);
    Word(0xFFFF);
    Word(wClassAtom);
    Text(pszText);
    Word(0); // no creation data
    ++m_words[4];
    return *this;
}

LPCDLGTEMPLATEA DialogTemplateBuilder::Get() const {
    return reinterpret_cast<LPCDLGTEMPLATEA>(m_words.data());
}

void DialogTemplateBuilder::Dword(DWORD dw) {
    Word(LOWORD(dw));
    Word(HIWORD(dw));
}

// Texts are ASCII here, so each byte is its UTF-16 unit.
void DialogTemplateBuilder::Text(const char* psz) {
    for (; *psz != '\0'; ++psz)
        Word(static_cast<BYTE>(*psz));
    Word(0);
}

ControlDialog::ControlDialog(const DialogTemplateBuilder& tmpl) {
    m_hwndOwner = CreateParent("owner");
    m_hwndDialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), tmpl.Get(), m_hwndOwner,
                                              DialogProc, 0);
    RecordWindow(m_hwndDialog, "dlg");
    ShowWindow(m_hwndDialog, SW_SHOW);
    Pump();
    ClearMessages();
}

ControlDialog::~ControlDialog() {
    DestroyWindow(m_hwndDialog);
    DestroyWindow(m_hwndOwner);
    Forget();
}

ParentWindow::ParentWindow() : m_hwnd(CreateParent("parent")) {
    Pump();
    ClearMessages();
}

ParentWindow::~ParentWindow() {
    DestroyWindow(m_hwnd);
    Forget();
}

HWND ParentWindow::Create(const char* pszClass, DWORD style, int nId, const char* pszText,
                          DWORD exStyle, int cx, int cy) const {
    const HWND hwnd = CreateWindowExA(
        exStyle, pszClass, pszText, style | WS_CHILD | WS_VISIBLE, 10, 10, cx, cy, m_hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)), GetModuleHandleA(nullptr), nullptr);
    Pump();
    ClearMessages();
    return hwnd;
}

void RecordControl(HWND hwnd, const char* pszName) {
    ControlProcs()[hwnd] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingControlProc)));
    RecordWindow(hwnd, pszName);
}

void RecordColourRequestsOf(HWND hwnd) {
    ColourProcs()[hwnd] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ColourRecordingProc)));
}

const std::vector<DrawnItem>& DrawnItems() {
    return g_drawn;
}

const std::vector<MeasuredItem>& MeasuredItems() {
    return g_measured;
}

const std::vector<ColourRequest>& ColourRequests() {
    return g_colours;
}

void ClearParentRecords() {
    g_drawn.clear();
    g_measured.clear();
    g_colours.clear();
}

void SetMeasuredHeight(UINT nHeight) {
    g_nMeasuredHeight = nHeight;
}

} // namespace test
