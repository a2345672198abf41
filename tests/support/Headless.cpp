// Looking up the headless window system's test interface.
#include "Headless.h"

namespace test {

HEADLESS_TEST* Headless() {
    static HEADLESS_TEST* const pTest = reinterpret_cast<HEADLESS_TEST*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), HEADLESS_TEST_EXPORT));
    return pTest;
}

std::vector<HEADLESS_TEXTOUT> RepaintedText(HWND hwnd) {
    Headless()->ClearTextOut();
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    std::vector<HEADLESS_TEXTOUT> texts(Headless()->GetTextOutCount());
    for (UINT i = 0; i < texts.size(); ++i)
        Headless()->GetTextOut(i, &texts[i]);
    return texts;
}

} // namespace test
