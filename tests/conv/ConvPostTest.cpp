// Tests of CConv::ConvPostCode and CConv::ConvShortPostName.
#include <CConv.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ShiftJis.h"

namespace {

constexpr char kGuard = '#';
constexpr size_t kPostCodeRoom = 11;

struct PostCase {
    const char* lpszCode1;
    const char* lpszCode2;
    short nMode;
    short bMark;
    const char* lpszText;
};

TEST(ConvPost, ConvPostCodeJoinsThePartsOfItsLayout) {
    const PostCase kCases[] = {
        {"123", "4567", 1, 1, "〒123-4567"}, {"123", "4567", 1, 0, "123-4567"},
        {"123", "45678", 1, 0, "123-4567"},  {"123", "45", 0, 0, "123-45"},
        {"123", "4567", 0, 0, "123-45"},     {"123", "85", 0, 0, "123-85"},
        {"123", "08", 1, 0, "123-08"},       {"123", "5", 0, 0, "123-5"},
        {"123", "", 1, -1, "〒123"},         {"12", "", 0, 0, "12 "},
        {"", "45", 0, 1, "〒   -45"},        {"123", "1あ", 0, 0, "123-1"},
        {"123", "あい", 1, 0, "123-あい"},   {"123", "89", 0, 1, "〒123"},
        {"123", "87", 0, 0, "123-87"},
    };
    std::vector<PostCase> cases(std::begin(kCases), std::end(kCases));
    // The second parts that the three-and-two layout hides.
    for (const char* lpszHidden : {"00", "08", "0812", "09", "80", "81", "82", "83", "84", "88"})
        cases.push_back({"123", lpszHidden, 0, 0, "123"});
    for (const PostCase& c : cases) {
        SCOPED_TRACE(std::string(c.lpszCode1) + " " + c.lpszCode2 + " " + std::to_string(c.nMode));
        const std::string strCode1 = test::ShiftJis(c.lpszCode1);
        const std::string strCode2 = test::ShiftJis(c.lpszCode2);
        const std::string strText = test::ShiftJis(c.lpszText);
        CConv conv;
        char szDst[32];
        std::memset(szDst, kGuard, sizeof szDst);
        conv.ConvPostCode(szDst, strCode1.c_str(), strCode2.c_str(), c.nMode, c.bMark);
        EXPECT_EQ(std::string(szDst), strText);
        EXPECT_EQ(szDst[kPostCodeRoom], kGuard) << "wrote past 11 bytes";
        CString strDst("previous text");
        conv.ConvPostCode(strDst, CString(strCode1.c_str()), CString(strCode2.c_str()), c.nMode,
                          c.bMark);
        EXPECT_EQ(std::string(strDst, static_cast<size_t>(strDst.GetLength())), strText);
    }
}

TEST(ConvPost, ConvPostCodeOutsideBothLayoutsLeavesTheTargetAlone) {
    CConv conv;
    for (short nMode : {short{2}, short{-1}}) {
        char szDst[12] = "previous";
        conv.ConvPostCode(szDst, "123", "4567", nMode, 1);
        EXPECT_STREQ(szDst, "previous");
        CString strDst("previous");
        conv.ConvPostCode(strDst, CString("123"), CString("4567"), nMode, 1);
        EXPECT_STREQ(strDst, "previous");
    }
}

TEST(ConvPost, ConvPostCodeStringTakesALongFirstPartWhole) {
    CConv conv;
    CString strDst;
    conv.ConvPostCode(strDst, CString("1234567890"), CString("4567"), 1, 1);
    EXPECT_EQ(std::string(strDst, static_cast<size_t>(strDst.GetLength())),
              test::ShiftJis("〒1234567890-4567"));
}

TEST(ConvPost, ConvShortPostNameEndsTheNameAtTheFirstParenthesis) {
    const std::pair<const char*, const char*> kCases[] = {
        {"千代田区(次のビルを除く)", "千代田区"},
        {"千代田区 (注)(2)", "千代田区 "},
        {"千代田区（注）", "千代田区（注）"},
        {"千代田区", "千代田区"},
        {"(注)", ""},
        {"", ""},
    };
    for (const auto& [lpszName, lpszShort] : kCases) {
        SCOPED_TRACE(lpszName);
        std::string strName = test::ShiftJis(lpszName);
        CConv().ConvShortPostName(strName.data());
        EXPECT_EQ(std::string(strName.c_str()), test::ShiftJis(lpszShort));
    }
}

} // namespace
