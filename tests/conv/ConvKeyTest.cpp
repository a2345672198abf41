// Tests of CConv::ConvIkey and CConv::ConvCodeString: key and code forms of a text.
#include <CConv.h>

#include <string>

#include <gtest/gtest.h>

#include "SizedCase.h"

namespace {

// The first nSize bytes of a target, which hold the text and then zeros up to nSize; nothing
// behind them may change.
std::string TextOfZeroFilled(const test::GuardedTarget& target, short nSize) {
    target.StaysWithin(static_cast<size_t>(nSize));
    const std::string strText(target.sz, strnlen(target.sz, static_cast<size_t>(nSize)));
    EXPECT_EQ(std::string(target.sz, static_cast<size_t>(nSize)),
              strText + std::string(static_cast<size_t>(nSize) - strText.size(), '\0'));
    return strText;
}

// ConvIkey through both overloads, which must agree.
std::string Ikey(const std::string& strSource, short nSize) {
    CConv conv;
    test::GuardedTarget target;
    conv.ConvIkey(target.sz, strSource.c_str(), nSize);
    const std::string strKey = TextOfZeroFilled(target, nSize);
    CString strDst("previous text");
    conv.ConvIkey(strDst, CString(strSource.c_str()), nSize);
    EXPECT_EQ(std::string(static_cast<LPCSTR>(strDst)), strKey);
    return strKey;
}

TEST(ConvKey, ConvIkeyDropsBlanksAndUpperCasesSingleByteLetters) {
    const test::SizedCase kCases[] = {
        {"a b-c 1", 8, "AB-C1"},
        {"abcdefghi", 8, ""},
        {"abcdefgh", 8, "ABCDEFG"},
        {"", 8, ""},
        {"   ", 8, ""},
        // The trail byte of ヂ is 0x61, a in single bytes.
        {"ヂｱz", 8, "ヂｱZ"},
        {"aヂz", 8, "AヂZ"},
        {"aあ", 3, "A"},
        {"aあ", 4, "Aあ"},
        {" あ", 3, ""},
        {" あ", 4, "あ"},
        {"a", 1, ""},
        {"a", 0, ""}, // a target without room is left alone
    };
    test::ExpectResults(kCases, Ikey);
    // A lead byte before a blank is no character: it stays a byte of its own, the blank goes.
    EXPECT_EQ(Ikey("a\x82 b", 8), "A\x82"
                                  "B");
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
        test::GuardedTarget target;
        EXPECT_EQ(conv.ConvCodeString(target.sz, strSource.c_str(), c.nSize), c.nResult);
        EXPECT_EQ(TextOfZeroFilled(target, c.nSize), strCode);
        CString strDst("previous text");
        EXPECT_EQ(conv.ConvCodeString(strDst, CString(strSource.c_str()), c.nSize), c.nResult);
        EXPECT_EQ(std::string(static_cast<LPCSTR>(strDst)), strCode);
    }
}

TEST(ConvKey, StringFormsWorkOnAtMost255Bytes) {
    CConv conv;
    CString strDst("previous text");
    conv.ConvIkey(strDst, CString(std::string(255, 'a').c_str()), short{300});
    EXPECT_EQ(std::string(static_cast<LPCSTR>(strDst)), std::string(255, 'A'));
    conv.ConvIkey(strDst, CString(std::string(256, 'a').c_str()), short{300});
    EXPECT_TRUE(strDst.IsEmpty());
    EXPECT_EQ(conv.ConvCodeString(strDst, CString("a"), short{300}), 1);
    EXPECT_EQ(std::string(static_cast<LPCSTR>(strDst)), std::string(254, ' ') + "A");
    EXPECT_EQ(conv.ConvCodeString(strDst, CString(std::string(255, 'a').c_str()), short{300}), 1);
    EXPECT_EQ(std::string(static_cast<LPCSTR>(strDst)), std::string(255, 'A'));
    EXPECT_EQ(conv.ConvCodeString(strDst, CString(std::string(256, 'a').c_str()), short{300}), 0);
    EXPECT_TRUE(strDst.IsEmpty());
}

} // namespace
