// Code page 932 and UTF-8: conversions to and from UTF-16, lead bytes, byte strings and
// double-byte aware stepping and upper-casing.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct ToWideCase {
    const char* pszName;
    UINT codePage;
    DWORD dwFlags;
    std::string bytes;
    std::vector<WCHAR> expected; // empty when the conversion fails
    DWORD dwError;
};

const ToWideCase kToWide[] = {
    {"kana and kanji", 932, 0, "a\x82\xa0\xb1z", {'a', 0x3042, 0xFF71, 'z'}, 0},
    {"backslash and tilde stay ASCII", 932, 0, "\x5c\x7e", {0x5C, 0x7E}, 0},
    {"Microsoft's own mappings",
     932,
     0,
     "\x81\x60\x81\x5f\x81\x7c\x81\xca\x87\x40\xed\x40\xfa\x40",
     {0xFF5E, 0xFF3C, 0xFF0D, 0xFFE2, 0x2460, 0x7E8A, 0x2170},
     0},
    {"single bytes outside JIS",
     932,
     0,
     "\x80\xa0\xfd\xfe\xff",
     {0x80, 0xF8F0, 0xF8F1, 0xF8F2, 0xF8F3},
     0},
    {"lone lead byte", 932, 0, "a\x82", {'a', 0x30FB}, 0},
    {"lead byte takes an invalid trail byte", 932, 0, "a\x82\x20", {'a', 0x30FB}, 0},
    {"undefined double-byte character", 932, 0, "\x85\x40", {0x30FB}, 0},
    {"strict on a lone lead byte",
     932,
     MB_ERR_INVALID_CHARS,
     "a\x82",
     {},
     ERROR_NO_UNICODE_TRANSLATION},
    {"strict on an undefined character",
     932,
     MB_ERR_INVALID_CHARS,
     "\x85\x40",
     {},
     ERROR_NO_UNICODE_TRANSLATION},
    {"ACP is 932", CP_ACP, 0, "\x82\xa0", {0x3042}, 0},
    {"UTF-8 with a surrogate pair",
     CP_UTF8,
     0,
     "a\xc3\xa9\xe3\x81\x82\xf0\x9f\x98\x80",
     {'a', 0xE9, 0x3042, 0xD83D, 0xDE00},
     0},
    {"UTF-8 cut short", CP_UTF8, 0, "a\xc3", {'a', 0xFFFD}, 0},
    {"UTF-8 invalid byte",
     CP_UTF8,
     0,
     "a\xff"
     "b",
     {'a', 0xFFFD, 'b'},
     0},
    {"UTF-8 strict",
     CP_UTF8,
     MB_ERR_INVALID_CHARS,
     "a\xff"
     "b",
     {},
     ERROR_NO_UNICODE_TRANSLATION},
};

TEST(CodePageTest, MultiByteToWideCharConvertsAsWindowsDoes) {
    for (const ToWideCase& c : kToWide) {
        SCOPED_TRACE(c.pszName);
        WCHAR buffer[16];
        SetLastError(0);
        const int n = MultiByteToWideChar(c.codePage, c.dwFlags, c.bytes.data(),
                                          static_cast<int>(c.bytes.size()), buffer, 16);
        EXPECT_EQ(c.expected, std::vector<WCHAR>(buffer, buffer + n));
        if (c.dwError != 0) {
            EXPECT_EQ(c.dwError, GetLastError());
        }
    }
}

TEST(CodePageTest, MultiByteToWideCharCountsSizesAndTerminators) {
    const char* psz = "a\x82\xa0z";
    EXPECT_EQ(4, MultiByteToWideChar(932, 0, psz, -1, nullptr, 0));
    EXPECT_EQ(3, MultiByteToWideChar(932, 0, psz, 4, nullptr, 0));
    WCHAR buffer[4] = {};
    EXPECT_EQ(4, MultiByteToWideChar(932, 0, psz, -1, buffer, 4));
    EXPECT_EQ(0, buffer[3]);

    SetLastError(0);
    EXPECT_EQ(0, MultiByteToWideChar(932, 0, psz, -1, buffer, 2));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    SetLastError(0);
    EXPECT_EQ(0, MultiByteToWideChar(932, 0, psz, 0, buffer, 4));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(0);
    EXPECT_EQ(0, MultiByteToWideChar(932, 0, nullptr, 3, buffer, 4));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

struct ToMultiByteCase {
    const char* pszName;
    UINT codePage;
    std::vector<WCHAR> text;
    const char* pszDefault;
    std::string expected;
    BOOL bUsedDefault;
};

const ToMultiByteCase kToMultiByte[] = {
    {"kana and kanji", 932, {'a', 0x3042, 0xFF71, 0x7E8A}, nullptr, "a\x82\xa0\xb1\xfa\x5c", FALSE},
    {"Microsoft's own mappings",
     932,
     {0xFF5E, 0x2225, 0xFFE0, 0xFF3C, 0xFF0D, 0x5C},
     nullptr,
     "\x81\x60\x81\x61\x81\x91\x81\x5f\x81\x7c\x5c",
     FALSE},
    {"characters outside the code page",
     932,
     {0x4E02, 0x20AC, 0x301C, 0x2016, 0x2212},
     nullptr,
     "?????",
     TRUE},
    {"a surrogate pair takes two defaults", 932, {'a', 0xD83D, 0xDE00}, "#", "a##", TRUE},
    {"lone surrogate", 932, {'a', 0xD800, 'b'}, nullptr, "a?b", TRUE},
    {"UTF-8",
     CP_UTF8,
     {'a', 0xE9, 0x4E02, 0xD83D, 0xDE00},
     nullptr,
     "a\xc3\xa9\xe4\xb8\x82\xf0\x9f\x98\x80",
     FALSE},
    {"UTF-8 lone surrogate",
     CP_UTF8,
     {'a', 0xD800, 'b'},
     nullptr,
     "a\xef\xbf\xbd"
     "b",
     FALSE},
};

TEST(CodePageTest, WideCharToMultiByteConvertsAsWindowsDoes) {
    for (const ToMultiByteCase& c : kToMultiByte) {
        SCOPED_TRACE(c.pszName);
        char buffer[32];
        BOOL bUsedDefault = 7;
        const bool bAskUsed = c.codePage != CP_UTF8;
        const int n =
            WideCharToMultiByte(c.codePage, 0, c.text.data(), static_cast<int>(c.text.size()),
                                buffer, 32, c.pszDefault, bAskUsed ? &bUsedDefault : nullptr);
        EXPECT_EQ(c.expected, std::string(buffer, n));
        if (bAskUsed) {
            EXPECT_EQ(c.bUsedDefault, bUsedDefault);
        }
    }
}

TEST(CodePageTest, WideCharToMultiByteWritesOnlyWholeCharactersThatFit) {
    const WCHAR text[] = {'a', 0x3042, 'z', 0};
    EXPECT_EQ(5, WideCharToMultiByte(932, 0, text, -1, nullptr, 0, nullptr, nullptr));
    char buffer[5];
    std::memset(buffer, '.', sizeof(buffer));
    SetLastError(0);
    EXPECT_EQ(0, WideCharToMultiByte(932, 0, text, -1, buffer, 2, nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(std::string("a."), std::string(buffer, 2));
    EXPECT_EQ(5, WideCharToMultiByte(932, 0, text, -1, buffer, 5, nullptr, nullptr));
    EXPECT_EQ(std::string("a\x82\xa0z", 5), std::string(buffer, 5));
}

} // namespace
