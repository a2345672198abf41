// KERNEL32's code pages: code page 932 as the ANSI and OEM code page, its lead bytes, and
// conversions between code page 932 or UTF-8 and UTF-16, done by iconv.
#include "dbcs.h"
#include "memory.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace headless {
namespace {

enum class Charset { Cp932, Utf8, Unsupported };

Charset CharsetOf(UINT codePage) {
    switch (codePage) {
    case CP_ACP:
    case CP_OEMCP:
    case kAnsiCodePage:
        return Charset::Cp932;
    case CP_UTF8:
        return Charset::Utf8;
    default:
        return Charset::Unsupported;
    }
}

// WCHAR is one UTF-16 code unit in the machine's byte order.
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr char kUtf16[] = "UTF-16LE";
#else
constexpr char kUtf16[] = "UTF-16BE";
#endif

constexpr char16_t kReplacementChar = 0xFFFD;
// What Windows gives for a byte sequence that code page 932 does not define: U+30FB, the
// katakana middle dot.
constexpr char16_t kDefault932Char = 0x30FB;

class Converter {
public:
    Converter(const char* pszTo, const char* pszFrom) : m_cd(iconv_open(pszTo, pszFrom)) {}
    ~Converter() {
        if (IsOpen())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts from *ppIn until the input ends (true) or a sequence cannot be converted
    // (false, *ppIn left on it). The output must have room for all of it.
    bool Convert(const char** ppIn, size_t* pcbIn, char** ppOut, size_t* pcbOut) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return iconv(m_cd, const_cast<char**>(ppIn), pcbIn, ppOut, pcbOut) !=
               static_cast<size_t>(-1);
    }

private:
    iconv_t m_cd;
};

// The converters stay open until the process ends, with the rest of the system's state.
Converter& DecoderFor(Charset charset) {
    static Converter* const pCp932 = new Converter(kUtf16, "CP932");
    static Converter* const pUtf8 = new Converter(kUtf16, "UTF-8");
    return charset == Charset::Cp932 ? *pCp932 : *pUtf8;
}

Converter& EncoderFor(Charset charset) {
    static Converter* const pCp932 = new Converter("CP932", kUtf16);
    static Converter* const pUtf8 = new Converter("UTF-8", kUtf16);
    return charset == Charset::Cp932 ? *pCp932 : *pUtf8;
}

// Single bytes that Windows' table of code page 932 maps and iconv's does not.
bool MapExtraSingleByte(BYTE ch, char16_t* pwch) {
    switch (ch) {
    case 0x80:
        *pwch = 0x0080;
        return true;
    case 0xA0:
        *pwch = 0xF8F0;
        return true;
    case 0xFD:
    case 0xFE:
    case 0xFF:
        *pwch = static_cast<char16_t>(0xF8F1 + (ch - 0xFD));
        return true;
    default:
        return false;
    }
}

// A sequence that iconv refused at p, of n bytes left: what it stands for and how many bytes
// it takes. False when the sequence is invalid (and the caller asked to be told).
bool DecodeRefused(Charset charset, const char* p, size_t n, bool bStrict, char16_t* pwch,
                   size_t* pcb) {
    if (charset == Charset::Utf8) {
        *pwch = kReplacementChar;
        *pcb = 1;
        return !bStrict;
    }
    *pcb = CharLength932(p, n);
    if (*pcb == 1 && MapExtraSingleByte(static_cast<BYTE>(*p), pwch))
        return true;
    // A lead byte swallows the byte after it, even when the pair means nothing.
    *pwch = kDefault932Char;
    return !bStrict;
}

// Decodes n bytes into UTF-16; false if bStrict and a sequence is invalid.
bool Decode(Charset charset, const char* p, size_t n, bool bStrict, std::u16string* pOut) {
    // Never more code units than bytes, replacements included.
    pOut->resize(n);
    char* pOutBytes = reinterpret_cast<char*>(&(*pOut)[0]);
    size_t cbOutLeft = n * sizeof(char16_t);
    while (n > 0 && !DecoderFor(charset).Convert(&p, &n, &pOutBytes, &cbOutLeft)) {
        char16_t wch;
        size_t cb;
        if (!DecodeRefused(charset, p, n, bStrict, &wch, &cb))
            return false;
        std::memcpy(pOutBytes, &wch, sizeof(wch));
        pOutBytes += sizeof(wch);
        cbOutLeft -= sizeof(wch);
        p += cb;
        n -= cb;
    }
    pOut->resize(pOut->size() - cbOutLeft / sizeof(char16_t));
    return true;
}

bool IsHighSurrogate(char16_t wch) {
    return wch >= 0xD800 && wch <= 0xDBFF;
}

bool IsLowSurrogate(char16_t wch) {
    return wch >= 0xDC00 && wch <= 0xDFFF;
}

// Encodes one character of n code units; false if the charset has no bytes for it.
bool EncodeChar(Charset charset, const char16_t* pwch, size_t n, std::string* pOut) {
    const char* pIn = reinterpret_cast<const char*>(pwch);
    size_t cbIn = n * sizeof(char16_t);
    char bytes[8];
    char* pBytes = bytes;
    size_t cbLeft = sizeof(bytes);
    if (!EncoderFor(charset).Convert(&pIn, &cbIn, &pBytes, &cbLeft))
        return false;
    const size_t cb = sizeof(bytes) - cbLeft;
    // iconv also takes Unicode characters that Windows' table of code page 932 leaves out
    // (U+301C, U+2016, U+00A5...); only a character that comes back unchanged is in it.
    if (charset == Charset::Cp932) {
        std::u16string roundTrip;
        if (!Decode(charset, bytes, cb, true, &roundTrip) || roundTrip != std::u16string(pwch, n))
            return false;
    }
    pOut->append(bytes, cb);
    return true;
}

struct DefaultChar {
    std::string bytes;
    bool bUsed;
};

// Encodes n code units. A character that the charset lacks becomes the default character
// (once per code unit, as Windows does); a lone surrogate becomes U+FFFD in UTF-8.
void Encode(Charset charset, const char16_t* p, size_t n, DefaultChar* pDefault,
            std::string* pOut) {
    for (size_t i = 0; i < n;) {
        const size_t cUnits =
            IsHighSurrogate(p[i]) && i + 1 < n && IsLowSurrogate(p[i + 1]) ? 2 : 1;
        if (!EncodeChar(charset, p + i, cUnits, pOut)) {
            if (charset == Charset::Utf8) {
                pOut->append("\xEF\xBF\xBD");
            } else {
                for (size_t k = 0; k < cUnits; ++k)
                    pOut->append(pDefault->bytes);
                pDefault->bUsed = true;
            }
        }
        i += cUnits;
    }
}

// The longest start of the text, at most cbMax bytes, that ends between two characters.
size_t WholeCharsPrefix(Charset charset, const std::string& text, size_t cbMax) {
    size_t cb = 0;
    while (cb < text.size()) {
        size_t cbChar = 1;
        if (charset == Charset::Cp932) {
            cbChar = CharLength932(&text[cb], text.size() - cb);
        } else {
            while (cb + cbChar < text.size() &&
                   (static_cast<BYTE>(text[cb + cbChar]) & 0xC0) == 0x80)
                ++cbChar;
        }
        if (cb + cbChar > cbMax)
            break;
        cb += cbChar;
    }
    return cb;
}

int Fail(DWORD dwError) {
    SetLastError(dwError);
    return 0;
}

} // namespace

std::string AnsiFromUtf16(const char16_t* p, size_t n) {
    DefaultChar defaultChar{"?", false};
    std::string bytes;
    Encode(Charset::Cp932, p, n, &defaultChar, &bytes);
    return bytes;
}

} // namespace headless

using headless::Charset;

BOOL WINAPI IsDBCSLeadByteEx(UINT CodePage, BYTE TestChar) {
    switch (headless::CharsetOf(CodePage)) {
    case Charset::Cp932:
        return headless::IsLeadByte932(TestChar);
    case Charset::Utf8:
        return FALSE;
    case Charset::Unsupported:
        break;
    }
    return headless::Fail(ERROR_INVALID_PARAMETER);
}

BOOL WINAPI IsDBCSLeadByte(BYTE TestChar) {
    return IsDBCSLeadByteEx(CP_ACP, TestChar);
}

int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar) {
    const Charset charset = headless::CharsetOf(CodePage);
    if (lpMultiByteStr == nullptr || cbMultiByte == 0 || cchWideChar < 0 ||
        (cchWideChar > 0 && lpWideCharStr == nullptr) || charset == Charset::Unsupported)
        return headless::Fail(ERROR_INVALID_PARAMETER);
    // A negative length means the text and its terminator.
    const size_t cb = cbMultiByte < 0 ? std::strlen(lpMultiByteStr) + 1 : cbMultiByte;
    std::u16string text;
    bool bDecoded = false;
    if (!headless::GrowStorage([&] {
            bDecoded = headless::Decode(charset, lpMultiByteStr, cb,
                                        (dwFlags & MB_ERR_INVALID_CHARS) != 0, &text);
        }))
        return 0;
    if (!bDecoded)
        return headless::Fail(ERROR_NO_UNICODE_TRANSLATION);
    if (cchWideChar == 0)
        return static_cast<int>(text.size());
    if (text.size() > static_cast<size_t>(cchWideChar)) {
        // What fits is written all the same, without splitting a surrogate pair.
        size_t cFit = cchWideChar;
        if (headless::IsHighSurrogate(text[cFit - 1]))
            --cFit;
        std::memcpy(lpWideCharStr, text.data(), cFit * sizeof(WCHAR));
        return headless::Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    std::memcpy(lpWideCharStr, text.data(), text.size() * sizeof(WCHAR));
    return static_cast<int>(text.size());
}

int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                               LPBOOL lpUsedDefaultChar) {
    const Charset charset = headless::CharsetOf(CodePage);
    if (lpWideCharStr == nullptr || cchWideChar == 0 || cbMultiByte < 0 ||
        (cbMultiByte > 0 && lpMultiByteStr == nullptr) || charset == Charset::Unsupported)
        return headless::Fail(ERROR_INVALID_PARAMETER);
    // UTF-8 has a byte sequence for every character, so Windows takes no default for it.
    if (charset == Charset::Utf8 && (lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr))
        return headless::Fail(ERROR_INVALID_PARAMETER);
    const char16_t* pText = reinterpret_cast<const char16_t*>(lpWideCharStr);
    const size_t cch =
        cchWideChar < 0 ? std::char_traits<char16_t>::length(pText) + 1 : cchWideChar;
    std::string bytes;
    if (!headless::GrowStorage([&] {
            headless::DefaultChar defaultChar{"?", false};
            if (lpDefaultChar != nullptr && *lpDefaultChar != '\0')
                defaultChar.bytes.assign(
                    lpDefaultChar,
                    headless::CharLength932(lpDefaultChar, std::strlen(lpDefaultChar)));
            headless::Encode(charset, pText, cch, &defaultChar, &bytes);
            if (lpUsedDefaultChar != nullptr)
                *lpUsedDefaultChar = defaultChar.bUsed;
        }))
        return 0;
    if (cbMultiByte == 0)
        return static_cast<int>(bytes.size());
    if (bytes.size() > static_cast<size_t>(cbMultiByte)) {
        // What fits is written all the same, without splitting a character.
        std::memcpy(lpMultiByteStr, bytes.data(),
                    headless::WholeCharsPrefix(charset, bytes, cbMultiByte));
        return headless::Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    std::memcpy(lpMultiByteStr, bytes.data(), bytes.size());
    return static_cast<int>(bytes.size());
}
