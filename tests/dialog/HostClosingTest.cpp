// A host may close its dialog from any notification it receives: deleting the controller and
// destroying the dialog, or only one of the two, while the library is still inside the call that
// made the notification. A key script runs once to list every notification the host receives;
// then it runs again for each one, closing the host there. The sanitizer build sees any use of
// what the host deleted.
#include "ControlledDialog.h"
#include "Headless.h"
#include "ImeComposer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

using test::ControllerSettings;

// The messages the host's windows receive from the library and its controls, one row each:
// every WM_COMMAND code, the host's own message numbers and the controller's private messages.
const UINT kHostNotifications[] = {
    WM_COMMAND,        test::kFuncKeyMsg,    test::kPullCloseMsg, test::kCheckMsg,
    WM_DLGSB_LEAVETOP, WM_DLGSB_LEAVEBOTTOM, WM_DLGSB_WRAPBOTTOM, WM_DLGSB_WRAPTOP,
};

enum class Closing { kDeleteAndDestroy, kDeleteOnly, kDestroyOnly };

// The host's dialog object, which holds the controller (a plain CDlgSb, whose destructor is
// not virtual, is deleted through the object that holds it).
struct HostDialogObject {
    CDlgSb sb;
};

struct Notification {
    UINT message;
    WPARAM wParam;
};

// Wine's edit control goes on using its state after it tells its parent EN_UPDATE in the middle
// of a change, without looking whether the parent destroyed it meanwhile (it does look after
// EN_CHANGE and EN_MAXTEXT): a host that destroys the edit there, with the dialog or with the
// controller whose object takes the edit with it, leaves Wine's edit reading freed memory, which
// crashed 32-bit programs. The library has no part in that, so the closings at EN_UPDATE run
// only where the platform survives them.
bool PlatformSurvives(const Notification& n) {
    const bool bAtEditUpdate = n.message == WM_COMMAND && HIWORD(n.wParam) == EN_UPDATE;
    return !bAtEditUpdate || test::Headless() != nullptr;
}

// What the host holds, and where it closes.
struct Host {
    HostDialogObject* pObject = nullptr;
    HWND hDlg = nullptr;
    Closing how = Closing::kDeleteAndDestroy;
    size_t nCloseAt = SIZE_MAX; // the notification that closes the host, counted from 0
    std::vector<Notification> seen;
};
Host g_host;

bool IsHostNotification(UINT message) {
    return std::find(std::begin(kHostNotifications), std::end(kHostNotifications), message) !=
           std::end(kHostNotifications);
}

void Close() {
    if (g_host.how != Closing::kDestroyOnly) {
        delete g_host.pObject;
        g_host.pObject = nullptr;
    }
    if (g_host.how != Closing::kDeleteOnly)
        DestroyWindow(g_host.hDlg);
}

LRESULT CALLBACK ClosingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC pfnNext = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "closing host"));
    if (IsHostNotification(message)) {
        g_host.seen.push_back({message, wParam});
        if (g_host.seen.size() - 1 == g_host.nCloseAt) {
            Close();
            if (!IsWindow(hwnd))
                return 0;
        }
    }
    return CallWindowProcA(pfnNext, hwnd, message, wParam, lParam);
}

void ListenAsClosingHost(HWND hwnd) {
    SetPropA(hwnd, "closing host",
             reinterpret_cast<HANDLE>(
                 SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClosingProc))));
}

// One step of the script: a key typed through the host's dialog loop, a key the host hands to the
// controller itself (as it does for the edits it keeps, IDs 5000 to 6999), a click, a list the
// host opens or closes, or a word composed in a field (where compositions can be made).
enum class Step { kKey, kHostKey, kClick, kOpenList, kCheckPullDown, kClosePull, kCompose };
struct ScriptStep {
    Step step;
    UINT value; // a virtual key, a control ID, or an item index
};

// Template 310: edit 311, push 312, check box 313, radios 314-315, combo 316, list 317, multi-line
// edit 318, pull-down combo 7001, edit 5001; 318 has an input method mode and 311 is its reading
// field (a multi-line edit tells no change of its text set by WM_SETTEXT). Every item is visited,
// both ends are passed, a list opens and closes three ways, and buttons are pressed and clicked.
const ScriptStep kScript[] = {
    {Step::kKey, 'A'},           {Step::kKey, VK_DOWN},     {Step::kKey, VK_DOWN},
    {Step::kKey, VK_RETURN},     {Step::kKey, VK_SPACE},    {Step::kKey, VK_RETURN},
    {Step::kKey, VK_RETURN},     {Step::kKey, VK_DOWN},     {Step::kKey, VK_RETURN},
    {Step::kKey, VK_DOWN},       {Step::kKey, VK_RIGHT},    {Step::kKey, VK_RETURN},
    {Step::kKey, VK_F5},         {Step::kHostKey, VK_DOWN}, {Step::kHostKey, VK_DOWN},
    {Step::kHostKey, VK_RETURN}, {Step::kHostKey, VK_DOWN}, {Step::kClick, 311},
    {Step::kKey, VK_UP},         {Step::kClick, 313},       {Step::kClick, 315},
    {Step::kOpenList, 316},      {Step::kKey, VK_ESCAPE},   {Step::kOpenList, 316},
    {Step::kCheckPullDown, 0},   {Step::kClosePull, 8},     {Step::kCompose, 318},
};

void Prepare(HWND hDlg) {
    for (const char* pszRow : {"one", "two"}) {
        SendDlgItemMessageA(hDlg, 316, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
        SendDlgItemMessageA(hDlg, 317, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
    }
}

void Click(HWND hItem) {
    SendMessageA(hItem, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(GetParent(hItem)),
                 MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    PostMessageA(hItem, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(hItem, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void RunStep(const ScriptStep& s) {
    const HWND hDlg = g_host.hDlg;
    switch (s.step) {
    case Step::kKey:
        if (IsWindow(hDlg))
            test::TypeKeyInDialog(hDlg, s.value);
        return;
    case Step::kHostKey:
        if (g_host.pObject != nullptr)
            g_host.pObject->sb.DialogKeyDown(s.value);
        break;
    case Step::kClick:
        Click(GetDlgItem(hDlg, static_cast<int>(s.value)));
        break;
    case Step::kOpenList:
        SetFocus(GetDlgItem(hDlg, static_cast<int>(s.value)));
        SendDlgItemMessageA(hDlg, static_cast<int>(s.value), CB_SHOWDROPDOWN, TRUE, 0);
        break;
    case Step::kCheckPullDown:
        if (g_host.pObject != nullptr)
            g_host.pObject->sb.CheckPullDown();
        break;
    case Step::kClosePull:
        if (g_host.pObject != nullptr)
            g_host.pObject->sb.ClosePull(s.value);
        break;
    case Step::kCompose:
        SetFocus(GetDlgItem(hDlg, static_cast<int>(s.value)));
        if (test::Ime().StartComposition())
            test::Ime().Compose("x", "x", nullptr, nullptr) && test::Ime().EndComposition();
        break;
    }
    test::PumpDialog(hDlg);
}

// Runs Init and the script with the host closing at notification nCloseAt; the notifications
// the host received before the controller goes (which takes its controls with it, and the host
// hears of the focus they lose).
std::vector<Notification> RunScript(const ControllerSettings& settings, Closing how,
                                    size_t nCloseAt) {
    test::HostDialog host(test::ProgramModule(), 310);
    Prepare(host.Dialog());
    ListenAsClosingHost(host.Dialog());
    ListenAsClosingHost(host.Owner());
    g_host.pObject = new HostDialogObject;
    g_host.hDlg = host.Dialog();
    g_host.how = how;
    g_host.nCloseAt = nCloseAt;
    g_host.seen.clear();
    g_host.pObject->sb.Init(host.DialogWnd(), 310, settings.nFuncKeyMsg, settings.nPullCloseMsg,
                            settings.nCheckMsg, settings.bWrapNotify, settings.bEdgeNotify);
    EXPECT_EQ(1, g_host.pObject->sb.SetFep(318, 311, 0, 0, 0, 0));
    test::PumpDialog(g_host.hDlg);
    for (const ScriptStep& s : kScript)
        RunStep(s);
    if (nCloseAt != SIZE_MAX) {
        EXPECT_GT(g_host.seen.size(), nCloseAt) << "the host never closed";
        EXPECT_EQ(how == Closing::kDeleteOnly, IsWindow(host.Dialog()) != FALSE);
    }
    const std::vector<Notification> seen = g_host.seen;
    delete g_host.pObject;
    g_host.pObject = nullptr;
    return seen;
}

TEST(HostClosingTest, EveryNotificationMayDeleteTheControllerOrDestroyTheDialog) {
    ControllerSettings wrap, edge;
    wrap.bWrapNotify = 1;
    edge.bEdgeNotify = 1;
    std::vector<UINT> messagesSeen;
    for (const ControllerSettings& settings : {wrap, edge}) {
        const std::vector<Notification> notifications =
            RunScript(settings, Closing::kDeleteAndDestroy, SIZE_MAX);
        for (const Notification& n : notifications)
            messagesSeen.push_back(n.message);
        for (Closing how :
             {Closing::kDeleteAndDestroy, Closing::kDeleteOnly, Closing::kDestroyOnly}) {
            for (size_t i = 0; i < notifications.size(); ++i) {
                if (!PlatformSurvives(notifications[i]))
                    continue;
                SCOPED_TRACE("wrap " + std::to_string(settings.bWrapNotify) + ", closing " +
                             std::to_string(static_cast<int>(how)) + " at notification " +
                             std::to_string(i) + ": " +
                             test::MessageName(notifications[i].message) + " " +
                             std::to_string(notifications[i].wParam));
                RunScript(settings, how, i);
            }
        }
    }
    for (UINT message : kHostNotifications) {
        EXPECT_NE(messagesSeen.end(), std::find(messagesSeen.begin(), messagesSeen.end(), message))
            << "the script never makes " << test::MessageName(message);
    }
}

} // namespace
