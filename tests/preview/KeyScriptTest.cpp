// Key scripts: named keys, typed characters, and what cannot be typed.
#include "Keys.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyScript, NamesAndTextBecomeKeyPresses) {
    std::vector<Key> keys;
    std::string error;
    ASSERT_TRUE(ParseKeyScript("Down Shift+Tab F12 Space ka-9 Backspace", &keys, &error));
    const struct {
        UINT vk;
        bool bShift;
        char ch;
    } expected[] = {
        {VK_DOWN, false, 0},        {VK_TAB, true, 0}, {VK_F12, false, 0},
        {VK_SPACE, false, ' '},     {'K', false, 'k'}, {'A', false, 'a'},
        {VK_OEM_MINUS, false, '-'}, {'9', false, '9'}, {VK_BACK, false, 0},
    };
    ASSERT_EQ(keys.size(), sizeof(expected) / sizeof(expected[0]));
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].vk, expected[i].vk) << i;
        EXPECT_EQ(keys[i].bShift, expected[i].bShift) << i;
        EXPECT_EQ(keys[i].ch, expected[i].ch) << i;
    }
    EXPECT_EQ(KeyName(keys[1]), "Shift+Tab");
    EXPECT_EQ(KeyName(keys[2]), "F12");
    EXPECT_EQ(KeyName(keys[4]), "k");
}

// Upper-case letters need Shift, which the keyboard does not add to typed characters; F13 is
// no key of the script, so it is text.
TEST(KeyScript, RefusesWhatNoKeyTypes) {
    for (const char* pszScript : {"Tanaka", "F13", "a+b", "\xE3\x81\x82"}) {
        std::vector<Key> keys;
        std::string error;
        EXPECT_FALSE(ParseKeyScript(pszScript, &keys, &error)) << pszScript;
        EXPECT_NE(error.find(pszScript), std::string::npos) << error;
    }
}

} // namespace
