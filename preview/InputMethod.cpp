// Compositions driven through the test interface, and the state of the focus window's context.
#include "InputMethod.h"

#include "Text.h"

#include <imm.h>

namespace {

struct ContextState {
    bool bOpen = false;
    DWORD dwConversion = 0;
};

ContextState FocusContextState() {
    ContextState state;
    const HWND hwnd = GetFocus();
    const HIMC hIMC = hwnd != nullptr ? ImmGetContext(hwnd) : nullptr;
    if (hIMC == nullptr)
        return state;
    DWORD dwSentence = 0;
    state.bOpen = ImmGetOpenStatus(hIMC) != FALSE;
    ImmGetConversionStatus(hIMC, &state.dwConversion, &dwSentence);
    ImmReleaseContext(hwnd, hIMC);
    return state;
}

bool IsHalfWidthKatakana(DWORD dwConversion) {
    return (dwConversion & IME_CMODE_KATAKANA) && !(dwConversion & IME_CMODE_FULLSHAPE);
}

} // namespace

InputMethod::InputMethod()
    : m_pTest(reinterpret_cast<HEADLESS_TEST*>(
          GetProcAddress(GetModuleHandleA("user32.dll"), HEADLESS_TEST_EXPORT))) {}

bool InputMethod::IsOpen() const {
    return m_pTest != nullptr && FocusContextState().bOpen;
}

bool InputMethod::TakeKey(const Key& key) {
    if (!m_bComposing) {
        if (key.ch == '\0' || key.ch == ' ' || !IsOpen() || !m_pTest->StartComposition())
            return false;
        m_bComposing = true;
    }
    switch (key.vk) {
    case VK_RETURN:
        Commit();
        return true;
    case VK_ESCAPE:
        Cancel();
        return true;
    case VK_BACK:
        m_composer.Backspace();
        if (m_composer.Empty())
            Cancel();
        else
            Show();
        return true;
    }
    if (key.ch == '\0' || key.ch == ' ') {
        Commit();
        return false;
    }
    m_composer.Type(key.ch);
    Show();
    return true;
}

// The composition in the field's mode, and its reading, always in half-width katakana.
std::string InputMethod::Composed() const {
    return Utf8ToAnsi(IsHalfWidthKatakana(FocusContextState().dwConversion)
                          ? m_composer.HalfWidthKatakana()
                          : m_composer.Hiragana());
}

std::string InputMethod::Reading() const {
    return Utf8ToAnsi(m_composer.HalfWidthKatakana());
}

void InputMethod::Show() {
    m_pTest->Compose(nullptr, nullptr, Composed().c_str(), Reading().c_str());
}

void InputMethod::Commit() {
    m_composer.Finish();
    m_pTest->Compose(Composed().c_str(), Reading().c_str(), nullptr, nullptr);
    m_pTest->EndComposition();
    m_composer.Clear();
    m_bComposing = false;
}

void InputMethod::Cancel() {
    m_pTest->Compose(nullptr, nullptr, nullptr, nullptr);
    m_pTest->EndComposition();
    m_composer.Clear();
    m_bComposing = false;
}

std::string ImeIndicator() {
    const ContextState state = FocusContextState();
    if (!state.bOpen)
        return "off";
    return IsHalfWidthKatakana(state.dwConversion) ? "ｶ" : "あ";
}
