// The headless window system's test interface, when the program runs on it.
#pragma once

#include <headless_test.h>

#include <gtest/gtest.h>

namespace test {

// nullptr on a real Win32.
HEADLESS_TEST* Headless();

} // namespace test

// Skips the test where only the headless window system can do what it needs.
#define REQUIRE_HEADLESS()                                                                         \
    if (test::Headless() == nullptr)                                                               \
    GTEST_SKIP() << "needs the headless window system's test interface"
