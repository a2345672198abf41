// What a fuzzer does when something that must hold does not: it says what, and stops, so that
// libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void Fail(const char* lpszWhat) {
    std::fprintf(stderr, "fuzz: %s\n", lpszWhat);
    std::abort();
}

inline void Expect(bool bHolds, const char* lpszWhat) {
    if (!bHolds)
        Fail(lpszWhat);
}
