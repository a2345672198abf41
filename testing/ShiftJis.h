// Readable (UTF-8) text in the code page 932 bytes the library works with, converted
// independently of the window system under test.
#pragma once

#include <string>

namespace test {

std::string ShiftJis(const char* pszUtf8);

} // namespace test
