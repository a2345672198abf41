// What the memory functions offer the test interface: allocations that fail on purpose.
#pragma once

#include <windows.h>

namespace headless {

// Lets nSucceed more allocations (GlobalAlloc, GlobalReAlloc, HeapAlloc) succeed and fails the
// one after; a negative nSucceed stops failing.
void FailAllocationAfter(LONG nSucceed);

} // namespace headless
