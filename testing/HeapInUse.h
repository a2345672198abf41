// The bytes a program's heap holds in use, for tests and tools that check that memory stays flat.
#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define TKP_HEAP_OF_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TKP_HEAP_OF_ASAN 1
#endif
#endif

#if defined(TKP_HEAP_OF_ASAN)
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

namespace test {

// AddressSanitizer's count under it, glibc's otherwise; 0 where neither tells (Windows).
inline size_t HeapInUse() {
#if defined(TKP_HEAP_OF_ASAN)
    return __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
    return mallinfo2().uordblks;
#else
    return 0;
#endif
}

} // namespace test
