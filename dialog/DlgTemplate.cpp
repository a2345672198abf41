// Walking the control entries of a standard dialog template, and the item kind of each one.
#include "DlgTemplate.h"

#include "CDlgSb.h"

#include <cstring>

namespace dlgsb {
namespace {

constexpr size_t kEntryHeader = 18; // style, extended style, x, y, cx, cy, id

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

bool InRange(WORD wID, WORD wLow, WORD wHigh) {
    return wID >= wLow && wID <= wHigh;
}

} // namespace

const BYTE* FirstControl(const BYTE* pTemplate, DWORD cbTemplate, WORD* pnControls) {
    const BYTE* pEnd = pTemplate + cbTemplate;
    Cursor cursor(pTemplate, pEnd);
    // DLGTEMPLATEEX starts with version 1 and the signature 0xFFFF.
    if (cursor.PeekWord(0) == 1 && cursor.PeekWord(2) == 0xFFFF)
        return nullptr;
    DWORD style = 0;
    if (cursor.Has(kEntryHeader))
        std::memcpy(&style, pTemplate, sizeof(style));
    const WORD nControls = cursor.PeekWord(8);
    cursor.Skip(kEntryHeader);
    cursor.SkipNameOrOrdinal(); // menu
    cursor.SkipNameOrOrdinal(); // class
    cursor.SkipString();        // title
    if (style & DS_SETFONT) {
        cursor.Skip(sizeof(WORD)); // point size
        cursor.SkipString();       // face name
    }
    cursor.AlignDword();
    if (!cursor.Ok() || nControls == 0)
        return nullptr;
    const BYTE* pEntry = cursor.Position();
    WORD wClass;
    for (WORD i = 0; i < nControls && pEntry != nullptr; ++i)
        pEntry = NextControl(pEntry, pEnd, &wClass);
    if (pEntry == nullptr)
        return nullptr;
    *pnControls = nControls;
    return cursor.Position();
}

const BYTE* NextControl(const BYTE* pEntry, const BYTE* pEnd, WORD* pwClass) {
    Cursor cursor(pEntry, pEnd);
    cursor.Has(kEntryHeader + 2 * sizeof(WORD));
    // A predefined class is 0xFFFF and an atom 0x0080 to 0x0085, recognised by the atom's
    // bit 7; a class given by name is a string.
    const WORD wAtom = cursor.PeekWord(kEntryHeader + sizeof(WORD));
    cursor.Skip(kEntryHeader);
    if (wAtom & 0x0080) {
        *pwClass = wAtom & 0x0F;
        cursor.Skip(2 * sizeof(WORD));
    } else {
        *pwClass = kClassByName;
        cursor.SkipString();
    }
    cursor.SkipNameOrOrdinal(); // title
    const WORD cbCreationData = cursor.Word();
    cursor.Skip(cbCreationData);
    if (!cursor.Ok())
        return nullptr;
    cursor.AlignDword();
    return cursor.Position();
}

BYTE KindOfControl(WORD wClass, DWORD style, WORD wID) {
    switch (wClass) {
    case 0: // Button
        switch (style & 0x0F) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return KIND_PUSH;
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
        if (InRange(wID, 5000, 5999))
            return KIND_EDIT5000;
        if (InRange(wID, 6000, 6999))
            return KIND_EDIT6000;
        return (style & ES_WANTRETURN) ? KIND_EDITMULTI : KIND_EDIT;
    case 3: // ListBox
        return KIND_LIST;
    case 5: // ComboBox
        return InRange(wID, 7000, 7999) ? KIND_PULLCOMBO : KIND_COMBO;
    }
    return kNoItem;
}

DWORD ControlStyle(const BYTE* pEntry) {
    DWORD style;
    std::memcpy(&style, pEntry, sizeof(style));
    return style;
}

WORD ControlId(const BYTE* pEntry) {
    WORD wID;
    std::memcpy(&wID, pEntry + 16, sizeof(wID));
    return wID;
}

} // namespace dlgsb
