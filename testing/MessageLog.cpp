// Recording the messages of named windows and comparing them with expected sequences.
#include "MessageLog.h"

#include <afxwin.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace test {
namespace {

std::map<HWND, std::string>& Names() {
    static std::map<HWND, std::string> names;
    return names;
}

std::vector<RecordedMessage>& Log() {
    static std::vector<RecordedMessage> log;
    return log;
}

// The posted message the pump is dispatching now: the window procedure must not record it a
// second time as sent.
MSG g_dispatching = {};
bool g_bDispatching = false;

bool IsNoise(UINT message) {
    switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_GETICON:
    case WM_GETOBJECT:
    case WM_SETCURSOR:
    case WM_NCHITTEST:
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case 0x02A1: // WM_MOUSEHOVER
    case 0x02A2: // WM_NCMOUSELEAVE
    case 0x02A3: // WM_MOUSELEAVE
    case WM_TIMER:
    case WM_ENTERIDLE:
    case WM_NOTIFYFORMAT:
    case WM_CHANGEUISTATE:
    case WM_UPDATEUISTATE:
    case WM_QUERYUISTATE:
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
    case WM_ACTIVATE:
    case WM_GETMINMAXINFO:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETFONT:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
    case WM_MOVE:
    case WM_SIZE:
    case WM_SHOWWINDOW:
    case WM_NCCALCSIZE:
    case 0x0093: // WM_UAHxxx menu drawing
    case 0x0094:
    case 0x030F:  // WM_QUERYNEWPALETTE
    case 0x0031F: // WM_DWMNCRENDERINGCHANGED
        return true;
    }
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           (message >= WM_IME_SETCONTEXT && message <= WM_IME_KEYUP);
}

// The messages a test chose to record; empty for everything but the noise.
std::vector<UINT>& Chosen() {
    static std::vector<UINT> chosen;
    return chosen;
}

bool IsRecorded(UINT message) {
    const std::vector<UINT>& chosen = Chosen();
    if (chosen.empty())
        return !IsNoise(message);
    return std::find(chosen.begin(), chosen.end(), message) != chosen.end();
}

std::string Describe(const RecordedMessage& msg) {
    std::ostringstream text;
    text << msg.window << " " << MessageName(msg.message) << (msg.bPosted ? " posted" : " sent")
         << " w=0x" << std::hex << msg.wParam << " l=0x" << msg.lParam;
    return text.str();
}

std::string Describe(const ExpectedMessage& msg) {
    std::ostringstream text;
    text << msg.window << " " << MessageName(msg.message)
         << ((msg.flags & posted) ? " posted"
             : (msg.flags & sent) ? " sent"
                                  : "");
    if (msg.flags & wparam)
        text << " w=0x" << std::hex << msg.wParam;
    if (msg.flags & lparam)
        text << " l=0x" << std::hex << msg.lParam;
    if (msg.flags & optional)
        text << " (optional)";
    return text.str();
}

bool Matches(const ExpectedMessage& expected, const RecordedMessage& actual) {
    return actual.window == expected.window && actual.message == expected.message &&
           !((expected.flags & posted) && !actual.bPosted) &&
           !((expected.flags & sent) && actual.bPosted) &&
           !((expected.flags & wparam) && actual.wParam != expected.wParam) &&
           !((expected.flags & lparam) && actual.lParam != expected.lParam);
}

} // namespace

void RecordWindow(HWND hwnd, const char* name) {
    Names()[hwnd] = name;
}

void ForgetWindows() {
    Names().clear();
    Chosen().clear();
}

void RecordOnly(std::vector<UINT> messages) {
    Chosen() = std::move(messages);
}

void RecordMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto it = Names().find(hwnd);
    if (it == Names().end())
        return;
    const bool bPosted = g_bDispatching && g_dispatching.hwnd == hwnd &&
                         g_dispatching.message == message && g_dispatching.wParam == wParam &&
                         g_dispatching.lParam == lParam;
    if (bPosted)
        g_bDispatching = false;
    if (IsRecorded(message))
        Log().push_back(RecordedMessage{it->second, message, bPosted, wParam, lParam});
}

const std::vector<RecordedMessage>& RecordedMessages() {
    return Log();
}

void ClearMessages() {
    Log().clear();
}

void Pump() {
    PumpDialog(nullptr, nullptr);
}

void PumpDialog(HWND hDlg, DialogMessageFunction dialogMessage) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        g_dispatching = msg;
        g_bDispatching = true;
        if (dialogMessage == nullptr || !dialogMessage(hDlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        g_bDispatching = false;
    }
    // The queue is empty: the thread goes idle, and the class framework's temporary objects go
    // with it, as a host's own loop lets them go (MFC's, in an MFC host).
    AfxLockTempMaps();
    AfxUnlockTempMaps();
}

::testing::AssertionResult MessagesAre(const std::vector<ExpectedMessage>& expected) {
    const std::vector<RecordedMessage>& actual = Log();
    size_t nActual = 0;
    for (size_t nExpected = 0; nExpected < expected.size(); ++nExpected) {
        const ExpectedMessage& want = expected[nExpected];
        if (nActual < actual.size() && Matches(want, actual[nActual])) {
            ++nActual;
            continue;
        }
        if (want.flags & optional)
            continue;
        std::ostringstream text;
        text << "message " << nExpected << ": expected " << Describe(want) << ", got "
             << (nActual < actual.size() ? Describe(actual[nActual]) : "nothing") << "\nrecorded:";
        for (const RecordedMessage& msg : actual)
            text << "\n  " << Describe(msg);
        return ::testing::AssertionFailure() << text.str();
    }
    if (nActual < actual.size())
        return ::testing::AssertionFailure() << "unexpected " << Describe(actual[nActual]);
    return ::testing::AssertionSuccess();
}

INT_PTR CALLBACK RecordingDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    RecordMessage(hwnd, message, wParam, lParam);
    return message == WM_INITDIALOG;
}

LRESULT CALLBACK RecordingWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    RecordMessage(hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::string MessageName(UINT message) {
    static const std::map<UINT, const char*> names = {
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_SETFONT, "WM_SETFONT"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_GETDLGCODE, "WM_GETDLGCODE"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_INITDIALOG, "WM_INITDIALOG"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_CANCELMODE, "WM_CANCELMODE"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
    };
    const auto it = names.find(message);
    if (it != names.end())
        return it->second;
    std::ostringstream text;
    text << "msg 0x" << std::hex << message << std::dec << " (" << message << ")";
    return text.str();
}

} // namespace test
