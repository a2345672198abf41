// Readable UTF-8 text in tests to the code page 932 bytes that the library works with.
#pragma once

#include <string>

// Converts with the C library's iconv; a text it cannot convert fails the running test.
std::string Cp932(const std::string& strUtf8);
