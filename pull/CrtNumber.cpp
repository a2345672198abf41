// Decimal text read as the Windows C runtime's atoi and atol read it.
#include "CrtNumber.h"

namespace {

bool IsCrtSpace(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

} // namespace

LONG CrtAtol(const char* psz) {
    while (IsCrtSpace(*psz))
        ++psz;
    const bool bNegative = *psz == '-';
    if (*psz == '-' || *psz == '+')
        ++psz;
    // Unsigned arithmetic wraps round where a signed overflow would be undefined.
    ULONG nValue = 0;
    for (; *psz >= '0' && *psz <= '9'; ++psz)
        nValue = nValue * 10 + static_cast<ULONG>(*psz - '0');
    return static_cast<LONG>(bNegative ? 0u - nValue : nValue);
}
