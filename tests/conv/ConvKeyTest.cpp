// Tests of CConv::ConvIkey and CConv::ConvCodeString: key and code forms of a text.
#include <CConv.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "ShiftJis.h"

namespace {

constexpr char kGuard = '#';

// The char* target: its first nSize bytes, which must all have been written, and a check that
// nothing behind them changed.
struct Target {
    char szBuf[320];
    Target() { std::memset(szBuf, kGuard, sizeof szBuf); }
    std::string Written(short nSize) const {
        EXPECT_EQ(szBuf[nSize], kGuard) << "wrote past nSize bytes";
        return std::string(szBuf, static_cast<size_t>(nSize));
    }
};

// The first nSize bytes that a routine leaves: the text, then zeros up to nSize.
std::string ZeroFilled(const std::string& strText, short nSize) {
    std::string strBytes = strText;
    strBytes.resize(static_cast<size_t>(nSize), '\0');
    return strBytes;
}

struct KeyCase {
    const char* lpszSource;
    short nSize;
    const char* lpszKey;
};

TEST(ConvKey, ConvIkeyDropsBlanksAndUpperCasesSingleByteLetters) {
    const KeyCase kCases[] = {
        {"a b-c 1", 8, "AB-C1"},
        {"abcdefghi", 8, ""},
        {"abcdefgh", 8, "ABCDEFG"},
        {"", 8, ""},
        {"   ", 8, ""},
        // The trail byte of ヂ is 0x61, a in single bytes.
        {"ヂｱz", 8, "ヂｱZ"},
        {"aあ", 3, "A"},
        {"aあ", 4, "Aあ"},
        {" あ", 3, ""},
        {" あ", 4, "あ"},
        {"a", 1, ""},
    };
    for (const KeyCase& c : kCases) {
        SCOPED_TRACE(std::string(c.lpszSource) + " " + std::to_string(c.nSize));
        const std::string strSource = test::ShiftJis(c.lpszSource);
        const std::string strKey = test::ShiftJis(c.lpszKey);
        CConv conv;
        Target target;
        conv.ConvIkey(target.szBuf, strSource.c_str(), c.nSize);
        EXPECT_EQ(target.Written(c.nSize), ZeroFilled(strKey, c.nSize));
        CString strDst("previous text");
        conv.ConvIkey(strDst, CString(strSource.c_str()), c.nSize);
        EXPECT_EQ(std::string(static_cast<LPCSTR>(strDst)), strKey);
    }
}

TEST(ConvKey, ConvIkeyLeavesATargetWithoutRoomAlone) {
    CConv conv;
    Target target;
    conv.ConvIkey(target.szBuf, "", 0);
    EXPECT_EQ(target.szBuf[0], kGuard);
}

TEST(ConvKey, ConvIkeyStringFormsWorkOnAtMost255Bytes) {
    CConv conv;
    CString strDst("previous text");
    conv.ConvIkey(strDst, CString(std::string(255, 'a').c_str()), short{300});
    EXPECT_EQ(std::string(static_cast<LPCSTR>(strDst)), std::string(255, 'A'));
    conv.ConvIkey(strDst, CString(std::string(256, 'a').c_str()), short{300});
    EXPECT_TRUE(strDst.IsEmpty());
}

struct CodeCase {
    const char* lpszSource;
    short nSize;
    int nResult;
    const char* lpszCode;
};

TEST(ConvKey, ConvCodeStringRightAlignsValidCodes) {
    const CodeCase kCases[] = {
        {"ab 1", 7, 1, "   AB1"},
        {"", 7, 0, ""},
        {"   ", 7, 0, ""},
        {"aあ", 7, 0, ""},
        {"ｱ1", 7, 1, "    ｱ1"},
        {"a\"b", 7, 0, ""},
        {"a,b", 7, 0, ""},
        {"abcdefgh", 7, 0, ""},
        {"abcdefg", 7, 1, "ABCDEF"},
        {"abcdef,", 7, 0, ""},
        {"ab cdefg", 8, 1, " ABCDEF"},
        {"a", 2, 1, "A"},
        {"a", 1, 0, ""},
        {"a", 0, 0, ""},
    };
    for (const CodeCase& c : kCases) {
        SCOPED_TRACE(std::string(c.lpszSource) + " " + std::to_string(c.nSize));
        const std::string strSource = test::ShiftJis(c.lpszSource);
        const std::string strCode = test::ShiftJis(c.lpszCode);
        CConv conv;
        Target target;
        EXPECT_EQ(conv.ConvCodeString(target.szBuf, strSource.c_str(), c.nSize), c.nResult);
        EXPECT_EQ(target.Written(c.nSize), ZeroFilled(strCode, c.nSize));
        CString strDst("previous text");
        EXPECT_EQ(conv.ConvCodeString(strDst, CString(strSource.c_str()), c.nSize), c.nResult);
        EXPECT_EQ(std::string(static_cast<LPCSTR>(strDst)), strCode);
    }
}

TEST(ConvKey, ConvCodeStringStringFormsWorkOnAtMost255Bytes) {
    CConv conv;
    CString strDst("previous text");
    EXPECT_EQ(conv.ConvCodeString(strDst, CString("a"), short{300}), 1);
    EXPECT_EQ(std::string(static_cast<LPCSTR>(strDst)), std::string(254, ' ') + "A");
    EXPECT_EQ(conv.ConvCodeString(strDst, CString(std::string(256, 'a').c_str()), short{300}), 0);
    EXPECT_TRUE(strDst.IsEmpty());
}

} // namespace
