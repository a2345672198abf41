// Decimal text read as the Windows C runtime's atoi and atol read it, on every platform.
#pragma once

#include <afx.h>

// White space is skipped, then an optional sign and the digits up to the first non-digit; a
// text without digits gives 0. A value beyond 32 bits keeps its low 32 bits, as the runtime
// of the host's system gives it.
LONG CrtAtol(const char* psz);
