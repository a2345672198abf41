// What the input contexts offer the test interface and the window manager: the composition
// strings an IME would make.
#pragma once

#include "headless_test.h"

#include <windows.h>

#include <imm.h>

#include <string>

namespace headless {

// Makes ImmGetCompositionStringA report lResult for dwIndex of the context instead of the byte
// count (0 goes back to the count), whatever string a composition puts there.
BOOL SetCompositionResult(HIMC hIMC, DWORD dwIndex, LONG lResult);

// The calling thread's default context, which its windows share. It is made with the thread's
// first window, where CreateWindowEx reports a failure, as Windows makes it with the thread's
// input-method window: ImmGetContext, which cannot tell a failure from a window without a
// context, only finds it. False (ERROR_NOT_ENOUGH_MEMORY) without memory for it.
bool MakeDefaultContext();

// The context a window has, its open state and its strings, as the system itself reads and
// sets them: none of these calls is logged.
HIMC ContextOfWindow(HWND hWnd);
bool IsContextOpen(HIMC hIMC);
std::string CompositionBytes(HIMC hIMC, DWORD dwIndex);
bool SetCompositionBytes(HIMC hIMC, DWORD dwIndex, const char* psz);

// Scripted compositions in the focus window (imecompose.cpp).
BOOL StartComposition();
BOOL Compose(const char* pszResult, const char* pszResultReading, const char* pszComposition,
             const char* pszCompositionReading);
BOOL EndComposition();

} // namespace headless
