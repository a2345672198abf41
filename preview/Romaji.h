// Romaji typed letter by letter turned into kana, as a Japanese input method composes them:
// "ka" becomes か at its vowel, a doubled consonant a small っ, an n before a consonant ん. Kana
// are kept in UTF-8; the input method shows them as hiragana or half-width katakana and gives
// the half-width katakana as the reading.
#pragma once

#include <string>

class RomajiComposer {
public:
    void Type(char ch);
    // Takes back the last pending letter, else the last kana; false when there was nothing.
    bool Backspace();
    void Clear();
    bool Empty() const { return m_kana.empty() && m_pending.empty(); }

    // The composition so far: hiragana (with ー and what is not romaji as typed), then the
    // letters still waiting for their vowel.
    std::string Hiragana() const;
    std::string HalfWidthKatakana() const;
    // Ends the composition: a pending n is ん, other pending letters stay letters.
    void Finish();

private:
    void Resolve();

    std::string m_kana;    // UTF-8
    std::string m_pending; // letters that may still become kana
};

// Hiragana, and ー, as half-width katakana; other characters unchanged. UTF-8 in and out.
std::string ToHalfWidthKatakana(const std::string& hiragana);
