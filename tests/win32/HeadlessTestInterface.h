// What the win32 tests share: the headless window system's test interface, found at run
// time (absent on a real Win32), and Shift-JIS bytes from readable text.
#pragma once

#include <headless_test.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#ifndef _WIN32
#include <iconv.h>
#endif

inline HEADLESS_TEST* FindHeadlessTest() {
    return reinterpret_cast<HEADLESS_TEST*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), HEADLESS_TEST_EXPORT));
}

// A test of what only the headless system can do: skipped where the interface is absent.
class HeadlessOnlyTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_pHeadless = FindHeadlessTest();
        if (m_pHeadless == nullptr)
            GTEST_SKIP() << "needs the headless window system's test interface";
    }

    HEADLESS_TEST* m_pHeadless = nullptr;
};

// The code page 932 bytes of a UTF-8 text.
inline std::string Sjis(const std::string& utf8) {
#ifdef _WIN32
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                    &wide[0], static_cast<int>(wide.size())));
    std::string bytes(wide.size() * 2, '\0');
    bytes.resize(WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), &bytes[0],
                                     static_cast<int>(bytes.size()), nullptr, nullptr));
    return bytes;
#else
    const iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string bytes(utf8.size() * 2, '\0');
    char* pIn = const_cast<char*>(utf8.data());
    size_t cbIn = utf8.size();
    char* pOut = &bytes[0];
    size_t cbOut = bytes.size();
    iconv(cd, &pIn, &cbIn, &pOut, &cbOut);
    iconv_close(cd);
    bytes.resize(bytes.size() - cbOut);
    return bytes;
#endif
}
