// Looking up the headless window system's test interface.
#include "Headless.h"

namespace test {

HEADLESS_TEST* Headless() {
    static HEADLESS_TEST* const pTest = reinterpret_cast<HEADLESS_TEST*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), HEADLESS_TEST_EXPORT));
    return pTest;
}

} // namespace test
