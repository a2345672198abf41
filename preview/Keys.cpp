// Key names and characters, one table each, and the key script parser.
#include "Keys.h"

#include <sstream>

namespace {

struct NamedKey {
    const char* pszName;
    UINT vk;
    bool bShift;
};

const NamedKey kNamedKeys[] = {
    {"Enter", VK_RETURN, false}, {"Escape", VK_ESCAPE, false},  {"Up", VK_UP, false},
    {"Down", VK_DOWN, false},    {"Left", VK_LEFT, false},      {"Right", VK_RIGHT, false},
    {"Space", VK_SPACE, false},  {"Tab", VK_TAB, false},        {"Shift+Tab", VK_TAB, true},
    {"Shift", VK_SHIFT, false},  {"Backspace", VK_BACK, false},
};

// The punctuation keys of a US layout and what they type without Shift.
const struct {
    char ch;
    UINT vk;
} kPunctuation[] = {
    {'-', VK_OEM_MINUS}, {'.', VK_OEM_PERIOD}, {',', VK_OEM_COMMA},
    {'/', 0xBF},         {';', 0xBA},          {'=', VK_OEM_PLUS},
};

} // namespace

bool KeyForCharacter(char ch, Key* pKey) {
    if (ch >= 'a' && ch <= 'z') {
        *pKey = Key{static_cast<UINT>(ch - 'a' + 'A'), false, ch};
        return true;
    }
    if ((ch >= '0' && ch <= '9') || ch == ' ') {
        *pKey = Key{static_cast<UINT>(ch), false, ch};
        return true;
    }
    for (const auto& punctuation : kPunctuation) {
        if (punctuation.ch == ch) {
            *pKey = Key{punctuation.vk, false, ch};
            return true;
        }
    }
    return false;
}

bool KeyForName(const std::string& name, Key* pKey) {
    for (const NamedKey& named : kNamedKeys) {
        if (name == named.pszName) {
            *pKey = Key{named.vk, named.bShift, named.vk == VK_SPACE ? ' ' : '\0'};
            return true;
        }
    }
    if (name.size() < 2 || name.size() > 3 || name[0] != 'F' ||
        name.find_first_not_of("0123456789", 1) != std::string::npos)
        return false;
    const int nFunction = std::stoi(name.substr(1));
    if (nFunction < 1 || nFunction > 12)
        return false;
    *pKey = Key{static_cast<UINT>(VK_F1 + nFunction - 1), false, '\0'};
    return true;
}

std::string KeyName(const Key& key) {
    if (key.vk >= VK_F1 && key.vk <= VK_F24)
        return "F" + std::to_string(key.vk - VK_F1 + 1);
    for (const NamedKey& named : kNamedKeys) {
        if (named.vk == key.vk && named.bShift == key.bShift)
            return named.pszName;
    }
    return std::string(1, key.ch);
}

bool ParseKeyScript(const std::string& script, std::vector<Key>* pKeys, std::string* pError) {
    std::istringstream words(script);
    std::string word;
    while (words >> word) {
        Key key;
        if (KeyForName(word, &key)) {
            pKeys->push_back(key);
            continue;
        }
        for (const char ch : word) {
            if (!KeyForCharacter(ch, &key)) {
                *pError = "no key types '" + std::string(1, ch) + "' in \"" + word + "\"";
                return false;
            }
            pKeys->push_back(key);
        }
    }
    return true;
}

void PressOnKeyboard(const Key& key) {
    if (key.bShift)
        keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(static_cast<BYTE>(key.vk), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key.vk), 0, KEYEVENTF_KEYUP, 0);
    if (key.bShift)
        keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
}
