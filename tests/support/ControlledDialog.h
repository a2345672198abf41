// A host dialog made from one of the test templates, or from one of the library's own (80 to 85,
// below every test template's number), with a controller attached to it.
#pragma once

#include "CDlgSb.h"
#include "HostDialog.h"
#include "MessageLog.h"

#include <functional>

namespace test {

// The host's message numbers in these tests.
constexpr UINT kFuncKeyMsg = WM_APP + 1;
constexpr UINT kPullCloseMsg = WM_APP + 2;
constexpr UINT kCheckMsg = WM_APP + 3;

struct ControllerSettings {
    UINT nFuncKeyMsg = kFuncKeyMsg;
    UINT nPullCloseMsg = kPullCloseMsg;
    UINT nCheckMsg = kCheckMsg;
    short bWrapNotify = 0;
    short bEdgeNotify = 0;
    bool bOwned = true;
};

class ControlledDialog {
public:
    // prepare runs on the dialog before Init; the messages of Init are pumped and forgotten.
    explicit ControlledDialog(UINT nTemplate, ControllerSettings settings = {},
                              const std::function<void(HWND)>& prepare = nullptr)
        : host(Module(nTemplate), nTemplate, settings.bOwned) {
        if (prepare)
            prepare(host.Dialog());
        nInit = sb.InitDll(host.DialogWnd(), Module(nTemplate), nTemplate, settings.nFuncKeyMsg,
                           settings.nPullCloseMsg, settings.nCheckMsg, settings.bWrapNotify,
                           settings.bEdgeNotify);
        Pump();
        ClearMessages();
    }

    // Keys and posted messages go through the host's dialog loop, as in a real host.
    void Type(UINT vk) const { TypeKeyInDialog(host.Dialog(), vk); }
    void Pump() const { PumpDialog(host.Dialog()); }

    HWND Item(int nID) const { return host.Item(nID); }
    int FocusId() const { return GetDlgCtrlID(GetFocus()); }
    UINT ButtonType(int nID) const {
        return static_cast<UINT>(GetWindowLongA(Item(nID), GWL_STYLE)) & BS_TYPEMASK;
    }
    LRESULT Send(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(Item(nID), message, wParam, lParam);
    }

    HostDialog host;
    CDlgSb sb;
    int nInit = 0;

private:
    static HINSTANCE Module(UINT nTemplate) {
        return nTemplate < 100 ? LibraryModule() : ProgramModule();
    }
};

} // namespace test
