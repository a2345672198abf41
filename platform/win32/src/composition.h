// What the input contexts offer the test interface: the composition strings an IME would make.
#pragma once

#include <windows.h>

#include <imm.h>

namespace headless {

// Makes ImmGetCompositionStringA return cbData bytes for dwIndex of the context, or, for a
// negative cbData, that error code.
BOOL SetCompositionString(HIMC hIMC, DWORD dwIndex, const void* pData, LONG cbData);

} // namespace headless
