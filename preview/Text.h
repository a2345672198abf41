// Text between the dialog's code page 932 (Shift-JIS) bytes and the terminal's UTF-8, through the
// system's own conversions, so the previewer converts alike on the headless system and Windows.
#pragma once

#include <string>

std::string AnsiToUtf8(const std::string& ansi);
// Characters without a code page 932 form become '?'.
std::string Utf8ToAnsi(const std::string& utf8);

// A Shift-JIS lead byte: the character it starts takes two bytes and two terminal cells.
bool IsLeadByte(unsigned char ch);
