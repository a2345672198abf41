// Tests of CConv::KanjiCopy, CConv::DelAfterSpace and CConv::DelBeforeSpace.
#include <CConv.h>

#include <cstring>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "SizedCase.h"

namespace {

// Copies through both overloads, which must agree, into targets that must stay within nLen + 1
// bytes.
std::string KanjiCopy(const std::string& strSource, short nLen) {
    CConv conv;
    test::GuardedTarget target, unsignedTarget;
    conv.KanjiCopy(target.sz, strSource.c_str(), nLen);
    conv.KanjiCopy(reinterpret_cast<unsigned char*>(unsignedTarget.sz),
                   reinterpret_cast<const unsigned char*>(strSource.c_str()), nLen);
    target.StaysWithin(nLen > 0 ? static_cast<size_t>(nLen) + 1 : 1);
    EXPECT_STREQ(unsignedTarget.sz, target.sz);
    return target.sz;
}

TEST(ConvText, KanjiCopyNeverSplitsADoubleByteCharacter) {
    const test::SizedCase kCases[] = {
        {"あい", 3, "あ"},     {"あい", 4, "あい"},     {"あい", 0, ""},
        {"あい", -1, ""},      {"aあbい", 0, ""},       {"aあbい", 1, "a"},
        {"aあbい", 2, "a"},    {"aあbい", 3, "aあ"},    {"aあbい", 4, "aあb"},
        {"aあbい", 5, "aあb"}, {"aあbい", 6, "aあbい"}, {"aあbい", 7, "aあbい"},
        {"ｱｲｳ", 2, "ｱｲ"},      {"ab", 100, "ab"},
    };
    test::ExpectResults(kCases, KanjiCopy);
}

TEST(ConvText, KanjiCopyEndsAtALeadByteThatEndsTheText) {
    EXPECT_EQ(KanjiCopy("a\x82", 5), "a\x82");
    EXPECT_EQ(KanjiCopy("a\x82", 2), "a");
}

TEST(ConvText, KanjiCopyReadsFixedFieldsWithoutTerminator) {
    CConv conv;
    const char kField[4] = {'A', '\x82', '\xA0', 'B'};
    char szDst[5];
    conv.KanjiCopy(szDst, kField, 4);
    EXPECT_EQ(std::string(szDst), test::ShiftJis("AあB"));
}

struct TrimCase {
    const char* lpszText;
    const char* lpszTrimmed;
};

using CharTrim = void (CConv::*)(char*);
using StringTrim = void (CConv::*)(CString&);

// Trims through both overloads, which must agree.
std::string Trim(CharTrim charTrim, StringTrim stringTrim, const std::string& strText) {
    CConv conv;
    char szText[300];
    std::strcpy(szText, strText.c_str());
    (conv.*charTrim)(szText);
    CString strString(strText.c_str());
    (conv.*stringTrim)(strString);
    EXPECT_STREQ(strString, szText) << "CString& overload disagrees";
    return szText;
}

void ExpectTrims(CharTrim charTrim, StringTrim stringTrim, const TrimCase* pCases, size_t nCases) {
    for (size_t i = 0; i < nCases; ++i) {
        SCOPED_TRACE(pCases[i].lpszText);
        EXPECT_EQ(Trim(charTrim, stringTrim, test::ShiftJis(pCases[i].lpszText)),
                  test::ShiftJis(pCases[i].lpszTrimmed));
    }
}

TEST(ConvText, DelAfterSpaceCutsTheTrailingBlanksOnly) {
    const TrimCase kCases[] = {
        {"  AB C　 ", "  AB C"},
        {"   ", ""},
        {"　　", ""},
        {"", ""},
        {"AB", "AB"},
        {"あ い", "あ い"},
        // The trail byte of ａ is 0x81: with the @ after it, no full-width blank.
        {"Xａ@", "Xａ@"},
        {"Xａ@ ", "Xａ@"},
    };
    ExpectTrims(&CConv::DelAfterSpace, &CConv::DelAfterSpace, kCases, std::size(kCases));
}

TEST(ConvText, DelBeforeSpaceMovesTheTextToTheStart) {
    const TrimCase kCases[] = {
        {" 　AB ", "AB "}, {"   ", "   "},     {"　", "　"},   {"", ""},
        {"AB", "AB"},      {"　あ　", "あ　"}, {"x@y", "x@y"},
    };
    ExpectTrims(&CConv::DelBeforeSpace, &CConv::DelBeforeSpace, kCases, std::size(kCases));
}

TEST(ConvText, StringsLongerThan255BytesBecomeTheMessage) {
    CConv conv;
    const std::string strMessage = test::ShiftJis("変換できません");
    CString strLongest((std::string(254, 'A') + " ").c_str());
    conv.DelAfterSpace(strLongest);
    EXPECT_EQ(strLongest.GetLength(), 254);
    CString strAfter((std::string(255, 'A') + " ").c_str());
    conv.DelAfterSpace(strAfter);
    EXPECT_STREQ(strAfter, strMessage.c_str());
    CString strBefore((" " + std::string(255, 'A')).c_str());
    conv.DelBeforeSpace(strBefore);
    EXPECT_STREQ(strBefore, strMessage.c_str());
}

} // namespace
