// UTF-8 to code page 932: glibc's iconv, or the system's own conversion on Windows.
#include "ShiftJis.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <stdexcept>
#include <vector>

namespace test {

#ifdef _WIN32
std::string ShiftJis(const char* pszUtf8) {
    const int nWide = MultiByteToWideChar(CP_UTF8, 0, pszUtf8, -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(nWide));
    MultiByteToWideChar(CP_UTF8, 0, pszUtf8, -1, wide.data(), nWide);
    const int cb = WideCharToMultiByte(932, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(cb), '\0');
    WideCharToMultiByte(932, 0, wide.data(), -1, &text[0], cb, nullptr, nullptr);
    text.resize(text.size() - 1);
    return text;
}
#else
std::string ShiftJis(const char* pszUtf8) {
    const iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv has no CP932");
    std::string in(pszUtf8);
    std::vector<char> out(in.size() * 2 + 1);
    char* pIn = &in[0];
    char* pOut = out.data();
    size_t nIn = in.size(), nOut = out.size();
    const size_t result = iconv(cd, &pIn, &nIn, &pOut, &nOut);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1))
        throw std::runtime_error("text has no CP932 form");
    return std::string(out.data(), static_cast<size_t>(pOut - out.data()));
}
#endif

} // namespace test
