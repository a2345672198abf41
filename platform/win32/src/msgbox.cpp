// USER32's MessageBoxA. Nothing is shown: the box is recorded for the test interface and
// answered as a user pressing Enter would answer it, with its default button.
#include "records.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace headless {
namespace {

// The caption Windows gives a box without one: "エラー" (error).
constexpr char kDefaultCaption[] = "\x83\x47\x83\x89\x81\x5B";

template <size_t N>
void CopyCut(char (&szTarget)[N], LPCSTR pszSource) {
    const size_t cb = std::min(std::strlen(pszSource), N - 1);
    std::memcpy(szTarget, pszSource, cb);
    szTarget[cb] = '\0';
}

void Record(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    HEADLESS_MESSAGEBOX record = {};
    record.hwndOwner = hWnd;
    record.uType = uType;
    CopyCut(record.szText, lpText != nullptr ? lpText : "");
    CopyCut(record.szCaption, lpCaption != nullptr ? lpCaption : kDefaultCaption);
    Records<HEADLESS_MESSAGEBOX>().Add(record);
}

struct ButtonSet {
    size_t nCount;
    int ids[3];
};

// By MB_TYPEMASK value, MB_OK to MB_RETRYCANCEL.
constexpr ButtonSet kButtonSets[] = {
    {1, {IDOK}},
    {2, {IDOK, IDCANCEL}},
    {3, {IDABORT, IDRETRY, IDIGNORE}},
    {3, {IDYES, IDNO, IDCANCEL}},
    {2, {IDYES, IDNO}},
    {2, {IDRETRY, IDCANCEL}},
};

// The default button (MB_DEFBUTTONn) of the box's buttons; a type beyond the table is an OK
// box. A default beyond the last button falls back to the first, as on Windows (the reference
// Wine answers IDOK there, even for a box without an OK button).
int DefaultButton(UINT uType) {
    const UINT uSet = uType & MB_TYPEMASK;
    const ButtonSet& buttons = kButtonSets[uSet < std::size(kButtonSets) ? uSet : 0];
    const size_t nDefault = (uType & MB_DEFMASK) >> 8;
    return buttons.ids[nDefault < buttons.nCount ? nDefault : 0];
}

} // namespace

} // namespace headless

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    headless::Record(hWnd, lpText, lpCaption, uType);
    return headless::DefaultButton(uType);
}
