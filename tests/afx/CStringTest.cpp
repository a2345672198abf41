// CString: byte-exact storage, extraction and searches that never match a trail byte.
#include <afx.h>

#include <gtest/gtest.h>

namespace {

// "表" is 0x95 0x5C in code page 932: its trail byte is the backslash.
const char kHyo[] = "\x95\x5C";

TEST(CStringTest, KeepsBytesAndLength) {
    CString s("ab\x95\x5C"
              "c");
    EXPECT_EQ(5, s.GetLength());
    EXPECT_STREQ("ab\x95\x5C"
                 "c",
                 static_cast<LPCSTR>(s));
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_STREQ("", static_cast<LPCSTR>(CString(static_cast<LPCSTR>(nullptr))));
    EXPECT_STREQ("xxx", static_cast<LPCSTR>(CString('x', 3)));
    EXPECT_STREQ("ab", static_cast<LPCSTR>(CString("abc", 2)));
}

TEST(CStringTest, FindSkipsTrailBytes) {
    CString s(kHyo);
    s += "\\";
    EXPECT_EQ(2, s.Find('\\'));
    EXPECT_EQ(2, s.ReverseFind('\\'));
    EXPECT_EQ(2, s.Find("\\"));
    EXPECT_EQ(-1, CString(kHyo).Find('\\'));
}

TEST(CStringTest, ExtractionClampsToTheText) {
    const CString s("abcdef");
    struct {
        CString result;
        const char* expected;
    } const cases[] = {
        {s.Mid(2), "cdef"},   {s.Mid(2, 2), "cd"}, {s.Mid(-1, 2), "ab"},
        {s.Mid(4, 10), "ef"}, {s.Mid(9), ""},      {s.Left(3), "abc"},
        {s.Left(-1), ""},     {s.Right(2), "ef"},  {s.Right(10), "abcdef"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, static_cast<LPCSTR>(c.result));
}

TEST(CStringTest, AppendsItsOwnText) {
    CString s("ab");
    s += s;
    s += static_cast<LPCSTR>(s) + 1;
    EXPECT_STREQ("ababbab", static_cast<LPCSTR>(s));
}

TEST(CStringTest, BufferRoundTrip) {
    CString s;
    char* p = s.GetBuffer(10);
    strcpy(p, "hello");
    s.ReleaseBuffer();
    EXPECT_EQ(5, s.GetLength());
    s.GetBuffer(10)[2] = '\0';
    s.ReleaseBuffer(4);
    EXPECT_EQ(4, s.GetLength());
    EXPECT_EQ('\0', s[2]);
}

TEST(CStringTest, ComparesIgnoringCaseOfSingleByteLettersOnly) {
    EXPECT_EQ(0, CString("ABC").CompareNoCase("abc"));
    // 0x82 0x60 (Ａ) and 0x82 0x81 (ａ) are different characters; no folding inside them.
    EXPECT_NE(0, CString("\x82\x60").CompareNoCase("\x82\x81"));
    // The trail byte 0x41 is not a letter here.
    EXPECT_NE(0, CString("\x83\x41").CompareNoCase("\x83\x61"));
    EXPECT_LT(CString("a").CompareNoCase("B"), 0);
}

TEST(CStringTest, FormatsLikePrintf) {
    CString s;
    s.Format("%d-%s", 12, "ab");
    EXPECT_STREQ("12-ab", static_cast<LPCSTR>(s));
}

} // namespace
