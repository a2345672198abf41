// What the memory functions offer the rest of the system: storage that grows as Win32 fails,
// and allocations that fail on purpose.
#pragma once

#include <windows.h>

#include <new>

namespace headless {

// Lets nSucceed more allocations succeed (GlobalAlloc, HeapAlloc and every
// GrowStorage) and fails the one after; a negative nSucceed stops failing. Returns how many the
// previous call had still to let succeed, -1 once it has failed its one.
LONG FailAllocationAfter(LONG nSucceed);
// True when the test interface wants this allocation to fail.
bool AllocationMustFail();

// Runs grow, which allocates through the C++ runtime, and reports whether it succeeded. A failed
// allocation, or one the test interface fails, leaves ERROR_NOT_ENOUGH_MEMORY as the thread's
// last error; what grow left half done is the caller's to undo.
template <typename TGrow>
bool GrowStorage(TGrow&& grow) noexcept {
    try {
        if (!AllocationMustFail()) {
            grow();
            return true;
        }
    } catch (const std::bad_alloc&) {
    }
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return false;
}

} // namespace headless
