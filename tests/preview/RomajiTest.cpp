// Romaji into kana, as the stand-in input method composes and reads them.
#include "Romaji.h"

#include <gtest/gtest.h>

namespace {

struct RomajiCase {
    const char* pszTyped;
    const char* pszHiragana;
    const char* pszReading;
};

// A finished composition: doubled consonants, n before a consonant and at the end, contracted
// and voiced syllables, the long vowel mark, and a letter that begins no syllable.
const RomajiCase kCases[] = {
    {"tanaka", "たなか", "ﾀﾅｶ"},      {"gakkou", "がっこう", "ｶﾞｯｺｳ"},
    {"shinbun", "しんぶん", "ｼﾝﾌﾞﾝ"}, {"konnnichiha", "こんにちは", "ｺﾝﾆﾁﾊ"},
    {"kyouto", "きょうと", "ｷｮｳﾄ"},   {"ra-men", "らーめん", "ﾗｰﾒﾝ"},
    {"pan", "ぱん", "ﾊﾟﾝ"},           {"qa", "qあ", "qｱ"},
};

TEST(Romaji, ComposesKanaAndTheirReading) {
    for (const RomajiCase& c : kCases) {
        RomajiComposer composer;
        for (const char* p = c.pszTyped; *p != '\0'; ++p)
            composer.Type(*p);
        composer.Finish();
        EXPECT_EQ(composer.Hiragana(), c.pszHiragana) << c.pszTyped;
        EXPECT_EQ(composer.HalfWidthKatakana(), c.pszReading) << c.pszTyped;
    }
}

// Letters wait for their vowel; Backspace takes back a waiting letter first, then a kana.
TEST(Romaji, BackspaceTakesBackLettersThenKana) {
    RomajiComposer composer;
    for (const char ch : std::string("kaky"))
        composer.Type(ch);
    EXPECT_EQ(composer.Hiragana(), "かky");
    EXPECT_TRUE(composer.Backspace());
    EXPECT_TRUE(composer.Backspace());
    EXPECT_EQ(composer.Hiragana(), "か");
    EXPECT_TRUE(composer.Backspace());
    EXPECT_TRUE(composer.Empty());
    EXPECT_FALSE(composer.Backspace());
}

} // namespace
