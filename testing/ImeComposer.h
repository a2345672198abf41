// Compositions typed into the focus window as an input method makes them, on every system.
#pragma once

#include <windows.h>

namespace test {

// The calls and contract of StartComposition, Compose and EndComposition in headless_test.h:
// each needs the focus window's input context open, as an input method composes only then.
struct ImeComposer {
    BOOL (*StartComposition)(void);
    BOOL (*Compose)(LPCSTR pszResult, LPCSTR pszResultRead, LPCSTR pszComp, LPCSTR pszCompRead);
    BOOL (*EndComposition)(void);
};

// On the headless window system its scripted compositions; on a real Win32 an input method of
// the program's own, so that the messages and the strings come from the system's IMM32.
const ImeComposer& Ime();

} // namespace test
