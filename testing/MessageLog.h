// A record of the messages host windows receive, and expected sequences to compare it with,
// in the manner of Wine's user32 conformance tests.
#pragma once

#include <windows.h>

#include <HostDialogMessage.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace test {

// What an expected message says about the recorded one.
enum MessageFlags : UINT {
    sent = 0x01,     // sent (the receiver ran inside the sender)
    posted = 0x02,   // posted and dispatched by the pump
    wparam = 0x04,   // wParam must match
    lparam = 0x08,   // lParam must match
    optional = 0x10, // may be missing (a platform that does not send it)
};

struct ExpectedMessage {
    const char* window; // the name given with RecordWindow
    UINT message;
    UINT flags;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct RecordedMessage {
    std::string window;
    UINT message;
    bool bPosted;
    WPARAM wParam;
    LPARAM lParam;
};

// Only windows given a name are recorded; messages that carry no behaviour of interest
// (painting, colours, activation, the input method's private traffic, the pointer moving over
// a real display) are left out unless
// a test asks for everything.
void RecordWindow(HWND hwnd, const char* name);
// Forgets the named windows and goes back to the usual choice of messages.
void ForgetWindows();
// From now on records exactly these messages, noise or not, for a test about them.
void RecordOnly(std::vector<UINT> messages);
void RecordMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
const std::vector<RecordedMessage>& RecordedMessages();
void ClearMessages();

// Dispatches every queued message, recording the posted ones for named windows; then the thread
// is idle, and the class framework deletes its temporary objects (see AfxUnlockTempMaps).
void Pump();
// The same through the loop of dialog hDlg: dialogMessage takes each message first and
// dispatches it unless it is not the dialog's. The host's loop (HostDialogMessage) by default,
// IsDialogMessageA for the dialog manager alone.
using DialogMessageFunction = BOOL(WINAPI*)(HWND, LPMSG);
void PumpDialog(HWND hDlg, DialogMessageFunction dialogMessage = HostDialogMessage);

// Compares the recorded messages with the expected ones and says where they part.
::testing::AssertionResult MessagesAre(const std::vector<ExpectedMessage>& expected);

// A dialog procedure and a window procedure that record and then leave every message to the
// default handling (WM_INITDIALOG answers TRUE).
INT_PTR CALLBACK RecordingDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK RecordingWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

std::string MessageName(UINT message);

} // namespace test
