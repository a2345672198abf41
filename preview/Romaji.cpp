// The romaji table and the half-width katakana of each hiragana.
#include "Romaji.h"

#include <cstring>

namespace {

struct Syllable {
    const char* pszRomaji;
    const char* pszKana;
};

const Syllable kSyllables[] = {
    {"a", "あ"},     {"i", "い"},     {"u", "う"},     {"e", "え"},     {"o", "お"},
    {"ka", "か"},    {"ki", "き"},    {"ku", "く"},    {"ke", "け"},    {"ko", "こ"},
    {"ga", "が"},    {"gi", "ぎ"},    {"gu", "ぐ"},    {"ge", "げ"},    {"go", "ご"},
    {"sa", "さ"},    {"shi", "し"},   {"si", "し"},    {"su", "す"},    {"se", "せ"},
    {"so", "そ"},    {"za", "ざ"},    {"ji", "じ"},    {"zi", "じ"},    {"zu", "ず"},
    {"ze", "ぜ"},    {"zo", "ぞ"},    {"ta", "た"},    {"chi", "ち"},   {"ti", "ち"},
    {"tsu", "つ"},   {"tu", "つ"},    {"te", "て"},    {"to", "と"},    {"da", "だ"},
    {"di", "ぢ"},    {"du", "づ"},    {"de", "で"},    {"do", "ど"},    {"na", "な"},
    {"ni", "に"},    {"nu", "ぬ"},    {"ne", "ね"},    {"no", "の"},    {"ha", "は"},
    {"hi", "ひ"},    {"fu", "ふ"},    {"hu", "ふ"},    {"he", "へ"},    {"ho", "ほ"},
    {"ba", "ば"},    {"bi", "び"},    {"bu", "ぶ"},    {"be", "べ"},    {"bo", "ぼ"},
    {"pa", "ぱ"},    {"pi", "ぴ"},    {"pu", "ぷ"},    {"pe", "ぺ"},    {"po", "ぽ"},
    {"ma", "ま"},    {"mi", "み"},    {"mu", "む"},    {"me", "め"},    {"mo", "も"},
    {"ya", "や"},    {"yu", "ゆ"},    {"yo", "よ"},    {"ra", "ら"},    {"ri", "り"},
    {"ru", "る"},    {"re", "れ"},    {"ro", "ろ"},    {"wa", "わ"},    {"wo", "を"},
    {"nn", "ん"},    {"kya", "きゃ"}, {"kyu", "きゅ"}, {"kyo", "きょ"}, {"gya", "ぎゃ"},
    {"gyu", "ぎゅ"}, {"gyo", "ぎょ"}, {"sha", "しゃ"}, {"shu", "しゅ"}, {"sho", "しょ"},
    {"sya", "しゃ"}, {"syu", "しゅ"}, {"syo", "しょ"}, {"ja", "じゃ"},  {"ju", "じゅ"},
    {"jo", "じょ"},  {"cha", "ちゃ"}, {"chu", "ちゅ"}, {"cho", "ちょ"}, {"tya", "ちゃ"},
    {"tyu", "ちゅ"}, {"tyo", "ちょ"}, {"nya", "にゃ"}, {"nyu", "にゅ"}, {"nyo", "にょ"},
    {"hya", "ひゃ"}, {"hyu", "ひゅ"}, {"hyo", "ひょ"}, {"bya", "びゃ"}, {"byu", "びゅ"},
    {"byo", "びょ"}, {"pya", "ぴゃ"}, {"pyu", "ぴゅ"}, {"pyo", "ぴょ"}, {"mya", "みゃ"},
    {"myu", "みゅ"}, {"myo", "みょ"}, {"rya", "りゃ"}, {"ryu", "りゅ"}, {"ryo", "りょ"},
    {"xa", "ぁ"},    {"xi", "ぃ"},    {"xu", "ぅ"},    {"xe", "ぇ"},    {"xo", "ぉ"},
    {"xtu", "っ"},   {"xtsu", "っ"},  {"xya", "ゃ"},   {"xyu", "ゅ"},   {"xyo", "ょ"},
    {"-", "ー"},
};

// The hiragana from ぁ (U+3041) to ん (U+3093) in code point order, each as half-width katakana.
const char* const kHalfWidth[] = {
    "ｧ",  "ｱ",  "ｨ", "ｲ",  "ｩ",  "ｳ",  "ｪ",  "ｴ",  "ｫ",  "ｵ",  "ｶ",  "ｶﾞ", "ｷ",  "ｷﾞ",
    "ｸ",  "ｸﾞ", "ｹ", "ｹﾞ", "ｺ",  "ｺﾞ", "ｻ",  "ｻﾞ", "ｼ",  "ｼﾞ", "ｽ",  "ｽﾞ", "ｾ",  "ｾﾞ",
    "ｿ",  "ｿﾞ", "ﾀ", "ﾀﾞ", "ﾁ",  "ﾁﾞ", "ｯ",  "ﾂ",  "ﾂﾞ", "ﾃ",  "ﾃﾞ", "ﾄ",  "ﾄﾞ", "ﾅ",
    "ﾆ",  "ﾇ",  "ﾈ", "ﾉ",  "ﾊ",  "ﾊﾞ", "ﾊﾟ", "ﾋ",  "ﾋﾞ", "ﾋﾟ", "ﾌ",  "ﾌﾞ", "ﾌﾟ", "ﾍ",
    "ﾍﾞ", "ﾍﾟ", "ﾎ", "ﾎﾞ", "ﾎﾟ", "ﾏ",  "ﾐ",  "ﾑ",  "ﾒ",  "ﾓ",  "ｬ",  "ﾔ",  "ｭ",  "ﾕ",
    "ｮ",  "ﾖ",  "ﾗ", "ﾘ",  "ﾙ",  "ﾚ",  "ﾛ",  "ﾜ",  "ﾜ",  "ｲ",  "ｴ",  "ｦ",  "ﾝ",
};
constexpr char32_t kFirstHiragana = 0x3041;
static_assert(sizeof(kHalfWidth) / sizeof(kHalfWidth[0]) == 0x3093 - kFirstHiragana + 1,
              "one half-width form for each hiragana");
constexpr char32_t kProlongedSound = 0x30FC; // ー

// Exactly the romaji of a syllable, or nullptr.
const char* KanaOf(const std::string& romaji) {
    for (const Syllable& syllable : kSyllables) {
        if (romaji == syllable.pszRomaji)
            return syllable.pszKana;
    }
    return nullptr;
}

bool BeginsSyllable(const std::string& romaji) {
    for (const Syllable& syllable : kSyllables) {
        if (std::strncmp(syllable.pszRomaji, romaji.c_str(), romaji.size()) == 0)
            return true;
    }
    return false;
}

bool IsVowel(char ch) {
    return std::strchr("aiueo", ch) != nullptr;
}

// The UTF-8 sequence at byte i of text: its code point, and its length in *pcb.
char32_t DecodeUtf8(const std::string& text, size_t i, size_t* pcb) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const size_t cb = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    *pcb = i + cb <= text.size() ? cb : text.size() - i;
    char32_t ch = cb == 1 ? lead : lead & (0x3F >> (cb - 1));
    for (size_t k = 1; k < *pcb; ++k)
        ch = (ch << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return ch;
}

} // namespace

void RomajiComposer::Type(char ch) {
    m_pending += ch;
    Resolve();
}

// Turns the pending letters into kana for as long as they make a syllable, or can no longer
// begin one.
void RomajiComposer::Resolve() {
    while (!m_pending.empty()) {
        if (const char* pszKana = KanaOf(m_pending)) {
            m_kana += pszKana;
            m_pending.clear();
            return;
        }
        if (BeginsSyllable(m_pending))
            return;
        const char first = m_pending[0];
        if (first == 'n' && !IsVowel(m_pending[1]) && m_pending[1] != 'y')
            m_kana += "ん";
        else if (m_pending.size() > 1 && m_pending[1] == first && !IsVowel(first))
            m_kana += "っ";
        else
            m_kana += first;
        m_pending.erase(0, 1);
    }
}

bool RomajiComposer::Backspace() {
    if (!m_pending.empty()) {
        m_pending.pop_back();
        return true;
    }
    if (m_kana.empty())
        return false;
    size_t nLast = m_kana.size() - 1;
    while (nLast > 0 && (static_cast<unsigned char>(m_kana[nLast]) & 0xC0) == 0x80)
        --nLast;
    m_kana.erase(nLast);
    return true;
}

void RomajiComposer::Clear() {
    m_kana.clear();
    m_pending.clear();
}

void RomajiComposer::Finish() {
    m_kana += m_pending == "n" ? "ん" : m_pending;
    m_pending.clear();
}

std::string RomajiComposer::Hiragana() const {
    return m_kana + m_pending;
}

std::string RomajiComposer::HalfWidthKatakana() const {
    return ToHalfWidthKatakana(m_kana) + m_pending;
}

std::string ToHalfWidthKatakana(const std::string& hiragana) {
    std::string out;
    size_t cb = 0;
    for (size_t i = 0; i < hiragana.size(); i += cb) {
        const char32_t ch = DecodeUtf8(hiragana, i, &cb);
        if (ch >= kFirstHiragana &&
            ch - kFirstHiragana < sizeof(kHalfWidth) / sizeof(kHalfWidth[0]))
            out += kHalfWidth[ch - kFirstHiragana];
        else if (ch == kProlongedSound)
            out += "ｰ";
        else
            out.append(hiragana, i, cb);
    }
    return out;
}
