// The host's own message numbers, which it gives the controller (and, as they come, the entry
// fields and pull-down lists), and the names under which the previewer shows what arrives.
#pragma once

#include <windows.h>

#include <string>

constexpr UINT kFuncKeyMsg = WM_APP + 1;
constexpr UINT kPullCloseMsg = WM_APP + 2;
constexpr UINT kCheckMsg = WM_APP + 3;

// "function key F5", "check change 1081", "wrapped to the first item", "clicked 2", ...; empty
// for a message that tells the host nothing.
std::string DescribeHostMessage(UINT message, WPARAM wParam);
