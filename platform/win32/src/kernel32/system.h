// What KERNEL32's odds and ends offer the test interface: another system version.
#pragma once

#include <windows.h>

namespace headless {

void SetVersion(DWORD dwVersion);

} // namespace headless
