// The host side's stand-in for a Japanese input method: while the focus field's input context
// is open, typed letters go into a romaji composition instead of the field, and the field gets
// the input method's messages (WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION with the composition
// and its reading, the result and its reading, WM_IME_ENDCOMPOSITION), made by the headless
// system's test interface, which alone can make them. Enter commits, Escape cancels, Backspace
// takes back a letter; any other key commits and then goes on to the field.
#pragma once

#include "Keys.h"
#include "Romaji.h"

#include <headless_test.h>

#include <string>

class InputMethod {
public:
    // Looks the test interface up; without it (a real Win32) no key is ever taken.
    InputMethod();

    // True when the key went into the composition and must not reach the field.
    bool TakeKey(const Key& key);

private:
    bool IsOpen() const;
    std::string Composed() const;
    std::string Reading() const;
    void Show();
    void Commit();
    void Cancel();

    HEADLESS_TEST* m_pTest;
    RomajiComposer m_composer;
    bool m_bComposing = false;
};

// The input method state of the focus window as the status line shows it: "off", "あ" (open in
// full-width hiragana) or "ｶ" (half-width katakana), in UTF-8.
std::string ImeIndicator();
