// What the tests of CConv's text routines share: targets filled with a guard byte, and cases of a
// source text (readable UTF-8 here), a size, and the text the routine makes of them.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ShiftJis.h"

namespace test {

// A char target filled with a guard byte, which shows how far a routine wrote.
struct GuardedTarget {
    static constexpr char kGuard = '#';
    char sz[320];
    GuardedTarget() { std::memset(sz, kGuard, sizeof sz); }
    // False, and a failure, when the routine wrote byte nRoom or beyond.
    bool StaysWithin(size_t nRoom) const {
        EXPECT_EQ(sz[nRoom], kGuard) << "wrote past " << nRoom << " bytes";
        return sz[nRoom] == kGuard;
    }
};

struct SizedCase {
    const char* lpszSource;
    short nSize;
    const char* lpszResult;
};

// Runs every case through routine, which gets the source in code page 932 and the size and gives
// the text it made; compares that with the case's result.
template <typename TRoutine, size_t nCases>
void ExpectResults(const SizedCase (&cases)[nCases], TRoutine routine) {
    for (const SizedCase& c : cases) {
        SCOPED_TRACE(std::string(c.lpszSource) + " " + std::to_string(c.nSize));
        EXPECT_EQ(routine(ShiftJis(c.lpszSource), c.nSize), ShiftJis(c.lpszResult));
    }
}

} // namespace test
