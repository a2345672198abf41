// Tests of CConv's text routines: copies, trims, key and code forms, paths and postal codes.
#include <CConv.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ShiftJis.h"

namespace {

using test::ShiftJis;

// A char target filled with a guard byte, which shows how far a routine wrote.
struct GuardedTarget {
    static constexpr char kGuard = '#';
    char sz[320];
    GuardedTarget() { std::memset(sz, kGuard, sizeof sz); }
    void StaysWithin(size_t nRoom) const {
        EXPECT_EQ(sz[nRoom], kGuard) << "wrote past " << nRoom << " bytes";
    }
};

// A source text (readable UTF-8 here), a size, and the text the routine makes of them.
struct SizedCase {
    const char* lpszSource;
    short nSize;
    const char* lpszResult;
};

// Runs every case through routine, which gets the source in code page 932 and the size and gives
// the text it made.
template <typename TRoutine, size_t nCases>
void ExpectResults(const SizedCase (&cases)[nCases], TRoutine routine) {
    for (const SizedCase& c : cases) {
        SCOPED_TRACE(std::string(c.lpszSource) + " " + std::to_string(c.nSize));
        EXPECT_EQ(routine(ShiftJis(c.lpszSource), c.nSize), ShiftJis(c.lpszResult));
    }
}

// Copies through both overloads, which must agree, into targets that must stay within nLen + 1
// bytes.
std::string KanjiCopy(const std::string& strSource, short nLen) {
    CConv conv;
    GuardedTarget target, unsignedTarget;
    conv.KanjiCopy(target.sz, strSource.c_str(), nLen);
    conv.KanjiCopy(reinterpret_cast<unsigned char*>(unsignedTarget.sz),
                   reinterpret_cast<const unsigned char*>(strSource.c_str()), nLen);
    target.StaysWithin(nLen > 0 ? static_cast<size_t>(nLen) + 1 : 1);
    EXPECT_STREQ(unsignedTarget.sz, target.sz);
    return target.sz;
}

TEST(ConvText, KanjiCopyNeverSplitsADoubleByteCharacter) {
    const SizedCase kCases[] = {
        {"あい", 3, "あ"},     {"あい", 4, "あい"},     {"あい", 0, ""},
        {"あい", -1, ""},      {"aあbい", 0, ""},       {"aあbい", 1, "a"},
        {"aあbい", 2, "a"},    {"aあbい", 3, "aあ"},    {"aあbい", 4, "aあb"},
        {"aあbい", 5, "aあb"}, {"aあbい", 6, "aあbい"}, {"aあbい", 7, "aあbい"},
        {"ｱｲｳ", 2, "ｱｲ"},      {"ab", 100, "ab"}};
    ExpectResults(kCases, KanjiCopy);
    // A lead byte that ends the text ends the copy.
    EXPECT_EQ(KanjiCopy("a\x82", 5), "a\x82");
    EXPECT_EQ(KanjiCopy("a\x82", 2), "a");
    // A fixed field is read without a terminator.
    const char kField[4] = {'A', '\x82', '\xA0', 'B'};
    char szDst[5];
    CConv().KanjiCopy(szDst, kField, 4);
    EXPECT_EQ(std::string(szDst), ShiftJis("AあB"));
}

// Trims through both overloads, which must agree.
std::string Trim(bool bAfter, const std::string& strText) {
    CConv conv;
    char szText[300];
    std::strcpy(szText, strText.c_str());
    CString strString(strText.c_str());
    if (bAfter) {
        conv.DelAfterSpace(szText);
        conv.DelAfterSpace(strString);
    } else {
        conv.DelBeforeSpace(szText);
        conv.DelBeforeSpace(strString);
    }
    EXPECT_STREQ(strString, szText) << "CString& overload disagrees";
    return szText;
}

// DelAfterSpace cuts the trailing blanks, DelBeforeSpace moves the text after the leading ones
// to the start; a text of blanks only is emptied by the one and kept by the other. The trail
// byte of ａ is 0x81: with the @ after it, no full-width blank.
TEST(ConvText, BlanksAreTrimmedAtOneEnd) {
    const struct {
        const char* lpszText;
        const char* lpszAfter;
        const char* lpszBefore;
    } kCases[] = {{"  AB C　 ", "  AB C", "AB C　 "},
                  {" 　AB ", " 　AB", "AB "},
                  {"   ", "", "   "},
                  {"　　", "", "　　"},
                  {"", "", ""},
                  {"AB", "AB", "AB"},
                  {"あ い", "あ い", "あ い"},
                  {"　あ　", "　あ", "あ　"},
                  {"x@y", "x@y", "x@y"},
                  {"Xａ@", "Xａ@", "Xａ@"},
                  {"Xａ@ ", "Xａ@", "Xａ@ "}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.lpszText);
        EXPECT_EQ(Trim(true, ShiftJis(c.lpszText)), ShiftJis(c.lpszAfter));
        EXPECT_EQ(Trim(false, ShiftJis(c.lpszText)), ShiftJis(c.lpszBefore));
    }
}

TEST(ConvText, StringsLongerThan255BytesBecomeTheMessage) {
    CConv conv;
    const std::string strMessage = ShiftJis("変換できません");
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

// The first nSize bytes of a target, which hold the text and then zeros up to nSize; nothing
// behind them may change.
std::string TextOfZeroFilled(const GuardedTarget& target, short nSize) {
    target.StaysWithin(static_cast<size_t>(nSize));
    const std::string strText(target.sz, strnlen(target.sz, static_cast<size_t>(nSize)));
    EXPECT_EQ(std::string(target.sz, static_cast<size_t>(nSize)),
              strText + std::string(static_cast<size_t>(nSize) - strText.size(), '\0'));
    return strText;
}

// ConvIkey through both overloads, which must agree.
std::string Ikey(const std::string& strSource, short nSize) {
    CConv conv;
    GuardedTarget target;
    conv.ConvIkey(target.sz, strSource.c_str(), nSize);
    const std::string strKey = TextOfZeroFilled(target, nSize);
    CString strDst("previous text");
    conv.ConvIkey(strDst, CString(strSource.c_str()), nSize);
    EXPECT_EQ(std::string(static_cast<LPCSTR>(strDst)), strKey);
    return strKey;
}

// The trail byte of ヂ is 0x61, a in single bytes; a target without room is left alone.
TEST(ConvKey, ConvIkeyDropsBlanksAndUpperCasesSingleByteLetters) {
    const SizedCase kCases[] = {{"a b-c 1", 8, "AB-C1"},
                                {"abcdefghi", 8, ""},
                                {"abcdefgh", 8, "ABCDEFG"},
                                {"", 8, ""},
                                {"   ", 8, ""},
                                {"ヂｱz", 8, "ヂｱZ"},
                                {"aヂz", 8, "AヂZ"},
                                {"aあ", 3, "A"},
                                {"aあ", 4, "Aあ"},
                                {" あ", 3, ""},
                                {" あ", 4, "あ"},
                                {"a", 1, ""},
                                {"a", 0, ""}};
    ExpectResults(kCases, Ikey);
    // A lead byte before a blank is no character: it stays a byte of its own, the blank goes.
    EXPECT_EQ(Ikey("a\x82 b", 8), "A\x82"
                                  "B");
}

TEST(ConvKey, ConvCodeStringRightAlignsValidCodes) {
    const struct {
        const char* lpszSource;
        short nSize;
        int nResult;
        const char* lpszCode;
    } kCases[] = {{"ab 1", 7, 1, "   AB1"},
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
                  {"a", 0, 0, ""}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.lpszSource) + " " + std::to_string(c.nSize));
        const std::string strSource = ShiftJis(c.lpszSource);
        const std::string strCode = ShiftJis(c.lpszCode);
        CConv conv;
        GuardedTarget target;
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

// Shortens into a target that must stay within nSize bytes.
std::string Shorten(const std::string& strPath, short nSize) {
    GuardedTarget target;
    CConv().ConvDirName(target.sz, strPath.c_str(), nSize);
    target.StaysWithin(nSize > 0 ? static_cast<size_t>(nSize) : 1);
    return target.sz;
}

// Every 0x5C byte separates, the second byte of 表 too.
TEST(ConvPath, ConvDirNameKeepsTheHeadAndTheLastComponent) {
    const SizedCase kCases[] = {
        {"C:\\Prog\\App\\xyz.txt", 20, "C:\\Prog\\App\\xyz.txt"},
        {"C:\\Prog\\App\\wxyz.txt", 20, "C:\\Prog\\..."},
        {"C:\\Program Files\\App\\Data\\file.txt", 20, "C:\\Program Files..."},
        {"C:\\Prog\\App\\Data\\file.txt", 20, "C:\\Prog\\..."},
        {"C:\\Prog\\App\\Data\\file.txt", 21, "C:\\Prog\\...\\file.txt"},
        {"C:\\Prog\\Application\\Data\\", 20, "C:\\Prog\\...\\Data\\"},
        {"C:\\Prog\\Application\\\\", 20, "C:\\Prog\\...\\\\"},
        {"\\\\server\\share\\dir\\file.txt", 20, "\\...\\file.txt"},
        {"Program\\Application\\f.txt", 20, "Program\\...\\f.txt"},
        {"abcdefghij", 5, "a..."},
        {"C:abcdefghij", 8, "C:ab..."},
        {"abcd", 4, "..."},
        {"abc", 4, "abc"},
        {"abc", 3, ""},
        {"ab", 3, "ab"},
        {"abc", 0, ""},
        {"abc", -1, ""},
        {"", 20, ""},
        {"C:\\表示\\Application\\file.txt", 20, "C:\\表...\\file.txt"}};
    ExpectResults(kCases, Shorten);
    // The budget cuts bytes even inside a character.
    EXPECT_EQ(Shorten(ShiftJis("C:\\あいうえお\\x.txt"), 10), ShiftJis("C:\\あ") + "\x82...");
}

struct PostCase {
    const char* lpszCode1;
    const char* lpszCode2;
    short nMode;
    short bMark;
    const char* lpszText;
};

TEST(ConvPost, ConvPostCodeJoinsThePartsOfItsLayout) {
    std::vector<PostCase> cases = {
        {"123", "4567", 1, 1, "〒123-4567"}, {"123", "4567", 1, 0, "123-4567"},
        {"123", "45678", 1, 0, "123-4567"},  {"123", "45", 0, 0, "123-45"},
        {"123", "4567", 0, 0, "123-45"},     {"123", "85", 0, 0, "123-85"},
        {"123", "08", 1, 0, "123-08"},       {"123", "5", 0, 0, "123-5"},
        {"123", "", 1, -1, "〒123"},         {"12", "", 0, 0, "12 "},
        {"", "45", 0, 1, "〒   -45"},        {"123", "1あ", 0, 0, "123-1"},
        {"123", "あい", 1, 0, "123-あい"},   {"123", "89", 0, 1, "〒123"},
        {"123", "87", 0, 0, "123-87"}};
    // The second parts that the three-and-two layout hides.
    for (const char* lpszHidden : {"00", "08", "0812", "09", "80", "81", "82", "83", "84", "88"})
        cases.push_back({"123", lpszHidden, 0, 0, "123"});
    for (const PostCase& c : cases) {
        SCOPED_TRACE(std::string(c.lpszCode1) + " " + c.lpszCode2 + " " + std::to_string(c.nMode));
        const std::string strCode1 = ShiftJis(c.lpszCode1);
        const std::string strCode2 = ShiftJis(c.lpszCode2);
        const std::string strText = ShiftJis(c.lpszText);
        GuardedTarget target;
        CConv().ConvPostCode(target.sz, strCode1.c_str(), strCode2.c_str(), c.nMode, c.bMark);
        EXPECT_EQ(std::string(target.sz), strText);
        target.StaysWithin(11);
        CString strDst("previous text");
        CConv().ConvPostCode(strDst, CString(strCode1.c_str()), CString(strCode2.c_str()), c.nMode,
                             c.bMark);
        EXPECT_EQ(std::string(strDst, static_cast<size_t>(strDst.GetLength())), strText);
    }
    // The string form takes a long first part whole.
    CString strDst;
    CConv().ConvPostCode(strDst, CString("1234567890"), CString("4567"), 1, 1);
    EXPECT_EQ(std::string(strDst, static_cast<size_t>(strDst.GetLength())),
              ShiftJis("〒1234567890-4567"));
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

TEST(ConvPost, ConvShortPostNameEndsTheNameAtTheFirstParenthesis) {
    const std::pair<const char*, const char*> kCases[] = {{"千代田区(次のビルを除く)", "千代田区"},
                                                          {"千代田区 (注)(2)", "千代田区 "},
                                                          {"千代田区（注）", "千代田区（注）"},
                                                          {"千代田区", "千代田区"},
                                                          {"(注)", ""},
                                                          {"", ""}};
    for (const auto& [lpszName, lpszShort] : kCases) {
        SCOPED_TRACE(lpszName);
        std::string strName = ShiftJis(lpszName);
        CConv().ConvShortPostName(strName.data());
        EXPECT_EQ(std::string(strName.c_str()), ShiftJis(lpszShort));
    }
}

} // namespace
