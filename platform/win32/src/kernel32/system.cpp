// KERNEL32's odds and ends: the system version, time, the thread id and MulDiv.
#include "system.h"

#include <windows.h>

#include <sys/syscall.h>
#include <unistd.h>

#include <ctime>

namespace headless {
namespace {

// An NT-family system (high bit clear): 6.1, build 7601, what the reference Wine reports.
DWORD g_dwVersion = 0x1DB10106;

} // namespace

void SetVersion(DWORD dwVersion) {
    g_dwVersion = dwVersion;
}

} // namespace headless

DWORD WINAPI GetVersion(void) {
    return headless::g_dwVersion;
}

DWORD WINAPI GetTickCount(void) {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    // Wraps round after 49.7 days, as on Windows.
    return static_cast<DWORD>(static_cast<ULONGLONG>(now.tv_sec) * 1000 + now.tv_nsec / 1000000);
}

// Read once per thread, as Win32 reads it from the thread's own block: the input method asks
// for it on every look-up of its default context, and a system call each time would cost more
// than the look-up.
DWORD WINAPI GetCurrentThreadId(void) {
    static thread_local const DWORD dwThreadId = static_cast<DWORD>(syscall(SYS_gettid));
    return dwThreadId;
}

// nNumber * nNumerator / nDenominator with a 64-bit product, rounded half away from zero;
// -1 for a zero denominator or a result outside -2^31+1 .. 2^31-1.
int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
    if (nDenominator == 0)
        return -1;
    LONGLONG product = static_cast<LONGLONG>(nNumber) * nNumerator;
    LONGLONG denominator = nDenominator;
    if (denominator < 0) {
        product = -product;
        denominator = -denominator;
    }
    const LONGLONG half = denominator / 2;
    const LONGLONG result = (product >= 0 ? product + half : product - half) / denominator;
    if (result > 2147483647 || result < -2147483647)
        return -1;
    return static_cast<int>(result);
}
