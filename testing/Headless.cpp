// Looking up the headless window system's test interface.
#include "Headless.h"

namespace test {

// The system keeps the records a test reads from the start of every program that reads them.
HEADLESS_TEST* Headless() {
    static HEADLESS_TEST* const pTest = [] {
        HEADLESS_TEST* pFound = reinterpret_cast<HEADLESS_TEST*>(
            GetProcAddress(GetModuleHandleA("user32.dll"), HEADLESS_TEST_EXPORT));
        if (pFound != nullptr)
            pFound->KeepRecords(TRUE);
        return pFound;
    }();
    return pTest;
}

namespace {
HEADLESS_TEST* const g_pKeepingRecords = Headless();
}

} // namespace test
