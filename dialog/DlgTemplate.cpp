// Walking the control entries of a dialog template, standard or extended, and the item kind
// of each one.
#include "DlgTemplate.h"

#include "CDlgSb.h"

#include <cstring>
#include <iterator>

namespace dlgsb {
namespace {

// DLGTEMPLATEEX starts with version 1 and the signature 0xFFFF.
constexpr WORD kExtendedVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;

// Header fields: the standard header's style at 0 and count at 8, the extended header's style
// at 12 and count at 16; the menu field follows the box, 8 bytes after the count.
constexpr size_t kStandardHeader = 18;
constexpr size_t kExtendedHeader = 26;
constexpr size_t kExtendedStyle = 12;
constexpr size_t kExtendedCount = 16;
constexpr size_t kStandardCount = 8;

// Entry fields: a standard entry is style, extended style, box and WORD ID; an extended one is
// help ID, extended style, style, box and DWORD ID.
constexpr size_t kStandardEntry = 18;
constexpr size_t kExtendedEntry = 24;
constexpr size_t kStandardId = 16;
constexpr size_t kExtendedStyleAt = 8;
constexpr size_t kExtendedId = 20;

// The predefined classes in the order of their atoms 0x0080 to 0x0085, whose low four bits are
// the class code.
const char* const kPredefinedClasses[] = {"Button",  "Edit",      "Static",
                                          "ListBox", "ScrollBar", "ComboBox"};

// Reads template fields in place; with an end it refuses to read past it and remembers that.
class Cursor {
public:
    Cursor(const BYTE* p, const BYTE* pEnd) : m_p(p), m_pEnd(pEnd) {}

    bool Ok() const { return m_bOk; }
    const BYTE* Position() const { return m_p; }

    bool Has(size_t cb) {
        if (m_pEnd != nullptr && (m_p > m_pEnd || static_cast<size_t>(m_pEnd - m_p) < cb))
            m_bOk = false;
        return m_bOk;
    }
    WORD PeekWord(size_t offset) {
        WORD value = 0;
        if (Has(offset + sizeof(WORD)))
            std::memcpy(&value, m_p + offset, sizeof(WORD));
        return value;
    }
    DWORD PeekDword(size_t offset) {
        DWORD value = 0;
        if (Has(offset + sizeof(DWORD)))
            std::memcpy(&value, m_p + offset, sizeof(DWORD));
        return value;
    }
    WORD Word() {
        const WORD value = PeekWord(0);
        Skip(sizeof(WORD));
        return value;
    }
    void Skip(size_t cb) {
        if (Has(cb))
            m_p += cb;
    }
    void SkipString() {
        while (m_bOk && Word() != 0) {
        }
    }
    // 0xFFFF and an ordinal, or a string (a lone 0 being the empty one).
    void SkipNameOrOrdinal() {
        if (PeekWord(0) == 0xFFFF)
            Skip(2 * sizeof(WORD));
        else
            SkipString();
    }
    void AlignDword() {
        const uintptr_t address = reinterpret_cast<uintptr_t>(m_p);
        m_p += (4 - address % 4) % 4;
    }

private:
    const BYTE* m_p;
    const BYTE* m_pEnd;
    bool m_bOk = true;
};

bool InRange(DWORD id, DWORD low, DWORD high) {
    return id >= low && id <= high;
}

WORD FoldCase(WORD ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<WORD>(ch + ('a' - 'A')) : ch;
}

// Class names compare as Win32 compares them, without regard to case; a character outside
// ASCII never matches a predefined name.
bool NameIs(const BYTE* pName, const char* pszAscii) {
    for (size_t i = 0;; ++i) {
        WORD ch;
        std::memcpy(&ch, pName + i * sizeof(WORD), sizeof(ch));
        const WORD want = static_cast<unsigned char>(pszAscii[i]);
        if (FoldCase(ch) != FoldCase(want))
            return false;
        if (want == 0)
            return true;
    }
}

// The class code of a class given by name: a predefined class's, as if given by its atom.
WORD ClassCodeOfName(const BYTE* pName) {
    for (size_t i = 0; i < std::size(kPredefinedClasses); ++i) {
        if (NameIs(pName, kPredefinedClasses[i]))
            return static_cast<WORD>(i);
    }
    return kClassByName;
}

} // namespace

TemplateControls ReadTemplateHeader(const BYTE* pTemplate, DWORD cbTemplate) {
    TemplateControls controls = {nullptr, pTemplate + cbTemplate, 0, false};
    Cursor cursor(pTemplate, controls.pEnd);
    controls.bExtended =
        cursor.PeekWord(0) == kExtendedVersion && cursor.PeekWord(2) == kExtendedSignature;
    const DWORD style = cursor.PeekDword(controls.bExtended ? kExtendedStyle : 0);
    controls.nControls = cursor.PeekWord(controls.bExtended ? kExtendedCount : kStandardCount);
    cursor.Skip(controls.bExtended ? kExtendedHeader : kStandardHeader);
    cursor.SkipNameOrOrdinal(); // menu
    cursor.SkipNameOrOrdinal(); // class
    cursor.SkipString();        // title
    if (style & DS_SETFONT) {
        // point size; an extended template adds weight, italic and character set
        cursor.Skip(controls.bExtended ? 3 * sizeof(WORD) : sizeof(WORD));
        cursor.SkipString(); // face name
    }
    cursor.AlignDword();
    if (cursor.Ok())
        controls.pFirst = cursor.Position();
    return controls;
}

const BYTE* NextControl(const BYTE* pEntry, const BYTE* pEnd, bool bExtended,
                        ControlEntry* pControl) {
    Cursor cursor(pEntry, pEnd);
    const size_t cbHeader = bExtended ? kExtendedEntry : kStandardEntry;
    pControl->style = cursor.PeekDword(bExtended ? kExtendedStyleAt : 0);
    pControl->id = bExtended ? cursor.PeekDword(kExtendedId) : cursor.PeekWord(kStandardId);
    // A predefined class is 0xFFFF and an atom 0x0080 to 0x0085, recognised by the atom's
    // bit 7; a class given by name is a string.
    const WORD wAtom = cursor.PeekWord(cbHeader + sizeof(WORD));
    cursor.Skip(cbHeader);
    pControl->pClassField = cursor.Position();
    if (wAtom & 0x0080) {
        pControl->wClass = wAtom & 0x0F;
        cursor.Skip(2 * sizeof(WORD));
    } else {
        cursor.SkipString();
        pControl->wClass = cursor.Ok() ? ClassCodeOfName(pControl->pClassField) : kClassByName;
    }
    cursor.SkipNameOrOrdinal(); // title
    const WORD cbCreationData = cursor.Word();
    cursor.Skip(cbCreationData);
    if (!cursor.Ok())
        return nullptr;
    cursor.AlignDword();
    return cursor.Position();
}

BYTE KindOfControl(const ControlEntry& control) {
    switch (control.wClass) {
    case 0: // Button
        switch (control.style & 0x0F) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return KIND_PUSH; // mutants: skip (KIND_PUSH is 0, the only mutant returns it)
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return KIND_CHECK;
        case BS_RADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_AUTORADIOBUTTON:
            return KIND_RADIO;
        }
        return kNoItem;
    case 1: // Edit: the ID ranges come before the ES_WANTRETURN bit.
        if (InRange(control.id, 5000, 5999))
            return KIND_EDIT5000;
        if (InRange(control.id, 6000, 6999))
            return KIND_EDIT6000;
        return (control.style & ES_WANTRETURN) ? KIND_EDITMULTI : KIND_EDIT;
    case 3: // ListBox
        return KIND_LIST;
    case 5: // ComboBox
        return InRange(control.id, 7000, 7999) ? KIND_PULLCOMBO : KIND_COMBO;
    }
    return kNoItem;
}

} // namespace dlgsb
