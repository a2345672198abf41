// Stand-in window classes for controls the window system lacks: the common controls and the
// rich edit, which a real Win32 loads on demand from comctl32 and riched20 (and the headless
// system has not), and a host's own classes. A dialog whose template names such a class cannot
// be made without one, on Win32 as on the headless system. A stand-in window keeps its class
// name, text and style, leaves every message to DefWindowProc and takes no key of its own.
#pragma once

#include <windows.h>

namespace test {

// Registers a stand-in, global to the process, for each common control class the system does
// not have; false when one cannot be registered.
bool RegisterStandInControls();
// The same for one class, by name.
bool RegisterStandIn(const char* pszClass);

} // namespace test
