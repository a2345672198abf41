// Keys as a person presses them, and the key scripts of --keys: names of keys and romaji text,
// separated by blanks ("Down Down Enter F5 tanaka Enter").
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct Key {
    UINT vk;     // the virtual key pressed
    bool bShift; // with Shift held (Shift+Tab)
    char ch;     // the character it types, 0 for none
};

// The key that types ch on a US layout without modifiers (letters come out in lower case);
// false for a character no key types so.
bool KeyForCharacter(char ch, Key* pKey);
// The key of a name: Enter, Escape, Up, Down, Left, Right, Space, Tab, Shift+Tab, Shift (pressed
// and released alone), Backspace, F1 to F12; false for any other word.
bool KeyForName(const std::string& name, Key* pKey);
// The name of a key, or its character.
std::string KeyName(const Key& key);
// Presses and releases the key (with Shift around it where it needs Shift) as keyboard input,
// which reaches the focus window in the system's own time.
void PressOnKeyboard(const Key& key);

// The keys of a script: named keys, and the characters of every other word; false, with the
// word that cannot be typed in *pError, for an upper-case letter or a character without a key.
bool ParseKeyScript(const std::string& script, std::vector<Key>* pKeys, std::string* pError);
