// Tests of CConv::ConvDirName: paths shortened to a given size.
#include <CConv.h>

#include <string>

#include <gtest/gtest.h>

#include "SizedCase.h"

namespace {

// Shortens into a target that must stay within nSize bytes.
std::string Shorten(const std::string& strPath, short nSize) {
    test::GuardedTarget target;
    CConv().ConvDirName(target.sz, strPath.c_str(), nSize);
    target.StaysWithin(nSize > 0 ? static_cast<size_t>(nSize) : 1);
    return target.sz;
}

TEST(ConvPath, ConvDirNameKeepsTheHeadAndTheLastComponent) {
    const test::SizedCase kCases[] = {
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
        // Every 0x5C byte separates, the second byte of 表 too.
        {"C:\\表示\\Application\\file.txt", 20, "C:\\表...\\file.txt"},
    };
    test::ExpectResults(kCases, Shorten);
}

TEST(ConvPath, ConvDirNameBudgetCutsBytesEvenInsideACharacter) {
    EXPECT_EQ(Shorten(test::ShiftJis("C:\\あいうえお\\x.txt"), 10),
              test::ShiftJis("C:\\あ") + "\x82...");
}

} // namespace
