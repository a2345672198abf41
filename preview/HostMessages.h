// The host's own message numbers, which it gives the controller (and, as they come, the entry
// fields and pull-down lists), and the names under which the previewer shows what arrives.
#pragma once

#include <windows.h>

#include <string>

constexpr UINT kFuncKeyMsg = WM_APP + 1;
constexpr UINT kPullCloseMsg = WM_APP + 2;
constexpr UINT kCheckMsg = WM_APP + 3;
// The entry fields' messages: a field gained the focus, one of its exit keys was pressed (the
// key in wParam), its text changed the bound variable.
constexpr UINT kFieldFocusMsg = WM_APP + 4;
constexpr UINT kFieldKeyMsg = WM_APP + 5;
constexpr UINT kFieldChangeMsg = WM_APP + 6;
// The free-standing pull-down list's messages: one of its keys (in wParam), Shift released, the
// focus lost. The list sign-extends its numbers from a short, so they lie below 0x8000.
constexpr UINT kPartnerKeyMsg = WM_USER + 0x100;
constexpr UINT kPartnerShiftMsg = WM_USER + 0x101;
constexpr UINT kPartnerLeftMsg = WM_USER + 0x102;

// "function key F5", "check change 1081", "wrapped to the first item", "clicked 2", "field
// change 5001", ...; empty for a message that tells the host nothing. The field messages carry
// no control ID: nField is the entry field that last gained the focus, the one they come from.
std::string DescribeHostMessage(UINT message, WPARAM wParam, int nField);
