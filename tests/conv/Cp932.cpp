// UTF-8 to code page 932 for tests, through the C library's iconv.
#include "Cp932.h"

#include <iconv.h>

#include <gtest/gtest.h>

std::string Cp932(const std::string& strUtf8) {
    const iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv has no CP932";
        return std::string();
    }
    std::string strIn = strUtf8;
    std::string strOut(strUtf8.size() * 2 + 1, '\0');
    char* pIn = strIn.data();
    size_t nIn = strIn.size();
    char* pOut = strOut.data();
    size_t nOut = strOut.size();
    if (iconv(cd, &pIn, &nIn, &pOut, &nOut) == static_cast<size_t>(-1))
        ADD_FAILURE() << "iconv cannot convert \"" << strUtf8 << "\" to CP932";
    iconv_close(cd);
    strOut.resize(strOut.size() - nOut);
    return strOut;
}
