// Code page 932 and UTF-8 to and from UTF-16, as the demo host shows the library's texts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ToWideCase {
    const char* pszName;
    UINT codePage;
    DWORD dwFlags;
    std::string bytes;
    std::vector<WCHAR> expected; // empty when the conversion fails
};

const ToWideCase kToWide[] = {
    {"kana and kanji", 932, 0, "a\x82\xa0\xb1z", {'a', 0x3042, 0xFF71, 'z'}},
    {"Microsoft's own mappings",
     932,
     0,
     "\x5c\x81\x60\x81\x5f\x87\x40\xed\x40",
     {0x5C, 0xFF5E, 0xFF3C, 0x2460, 0x7E8A}},
    {"lone lead byte", 932, 0, "a\x82", {'a', 0x30FB}},
    {"strict on an undefined character", 932, MB_ERR_INVALID_CHARS, "\x85\x40", {}},
    {"UTF-8 with a surrogate pair",
     CP_UTF8,
     0,
     "a\xe3\x81\x82\xf0\x9f\x98\x80",
     {'a', 0x3042, 0xD83D, 0xDE00}},
};

TEST(CodePageTest, MultiByteToWideCharConvertsAsWindowsDoes) {
    for (const ToWideCase& c : kToWide) {
        SCOPED_TRACE(c.pszName);
        WCHAR buffer[16];
        SetLastError(0);
        const int n = MultiByteToWideChar(c.codePage, c.dwFlags, c.bytes.data(),
                                          static_cast<int>(c.bytes.size()), buffer, 16);
        EXPECT_EQ(c.expected, std::vector<WCHAR>(buffer, buffer + n));
        if (c.expected.empty()) {
            EXPECT_EQ(static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
        }
    }
}

struct ToMultiByteCase {
    const char* pszName;
    UINT codePage;
    std::vector<WCHAR> text;
    std::string expected;
};

const ToMultiByteCase kToMultiByte[] = {
    {"kana and kanji", 932, {'a', 0x3042, 0xFF71, 0x7E8A}, "a\x82\xa0\xb1\xfa\x5c"},
    {"Microsoft's own mappings", 932, {0xFF5E, 0xFF3C, 0x5C}, "\x81\x60\x81\x5f\x5c"},
    {"characters outside the code page", 932, {0x4E02, 0x20AC, 0xD83D, 0xDE00}, "????"},
    {"UTF-8", CP_UTF8, {'a', 0xE9, 0xD83D, 0xDE00}, "a\xc3\xa9\xf0\x9f\x98\x80"},
};

TEST(CodePageTest, WideCharToMultiByteConvertsAsWindowsDoes) {
    for (const ToMultiByteCase& c : kToMultiByte) {
        SCOPED_TRACE(c.pszName);
        char buffer[32];
        const int n =
            WideCharToMultiByte(c.codePage, 0, c.text.data(), static_cast<int>(c.text.size()),
                                buffer, 32, nullptr, nullptr);
        EXPECT_EQ(c.expected, std::string(buffer, n));
    }
}

} // namespace
