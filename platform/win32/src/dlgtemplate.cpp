// Reading dialog templates: DLGTEMPLATE and DLGTEMPLATEEX with their controls.
#include "dlgtemplate.h"
#include "dbcs.h"

#include <cstring>

namespace headless {
namespace {

// Template fields are WORD-aligned, so they are read by copying, never through casts.
class TemplateReader {
public:
    explicit TemplateReader(const void* p) : m_p(static_cast<const BYTE*>(p)) {}

    WORD Word() {
        WORD value;
        std::memcpy(&value, m_p, sizeof(value));
        m_p += sizeof(value);
        return value;
    }
    DWORD Dword() {
        DWORD value;
        std::memcpy(&value, m_p, sizeof(value));
        m_p += sizeof(value);
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    DialogUnitsBox Box() {
        const short x = Short(), y = Short(), cx = Short(), cy = Short();
        return DialogUnitsBox{x, y, cx, cy};
    }

    std::string String() {
        std::vector<WCHAR> wide;
        for (WORD ch = Word(); ch != 0; ch = Word())
            wide.push_back(ch);
        return ToAnsi(wide);
    }

    // A field that is either 0xFFFF and an ordinal, or a string; 0 alone is empty.
    std::string NameOrOrdinal(WORD* pOrdinal) {
        *pOrdinal = 0;
        WORD first;
        std::memcpy(&first, m_p, sizeof(first));
        if (first == 0xFFFF) {
            m_p += sizeof(WORD);
            *pOrdinal = Word();
            return std::string();
        }
        return String();
    }

    const BYTE* Position() const { return m_p; }
    void Skip(size_t cb) { m_p += cb; }
    void AlignDword(const BYTE* pBase) {
        const size_t offset = static_cast<size_t>(m_p - pBase);
        m_p += (4 - offset % 4) % 4;
    }

private:
    static std::string ToAnsi(const std::vector<WCHAR>& wide) {
        return AnsiFromUtf16(reinterpret_cast<const char16_t*>(wide.data()), wide.size());
    }

    const BYTE* m_p;
};

std::string PredefinedClassName(WORD atom) {
    switch (atom) {
    case 0x0080:
        return "Button";
    case 0x0081:
        return "Edit";
    case 0x0082:
        return "Static";
    case 0x0083:
        return "ListBox";
    case 0x0084:
        return "ScrollBar";
    case 0x0085:
        return "ComboBox";
    }
    return "#" + std::to_string(atom);
}

void ReadControl(TemplateReader& reader, const BYTE* pBase, bool bExtended,
                 DialogControlTemplate* pControl) {
    reader.AlignDword(pBase);
    if (bExtended) {
        reader.Dword(); // help ID
        pControl->exStyle = reader.Dword();
        pControl->style = reader.Dword();
        pControl->box = reader.Box();
        pControl->id = reader.Dword();
    } else {
        pControl->style = reader.Dword();
        pControl->exStyle = reader.Dword();
        pControl->box = reader.Box();
        pControl->id = reader.Word();
    }
    WORD atom = 0;
    pControl->className = reader.NameOrOrdinal(&atom);
    if (atom != 0)
        pControl->className = PredefinedClassName(atom);
    WORD ordinal = 0;
    pControl->text = reader.NameOrOrdinal(&ordinal);
    pControl->bTextIsOrdinal = ordinal != 0;
    const BYTE* pData = reader.Position();
    const WORD cbData = reader.Word();
    pControl->pCreationData = cbData != 0 ? pData : nullptr;
    reader.Skip(cbData);
}

} // namespace

void ReadDialogTemplate(const void* pTemplate, DialogTemplate* pOut) {
    const BYTE* pBase = static_cast<const BYTE*>(pTemplate);
    TemplateReader reader(pTemplate);
    WORD signature[2];
    std::memcpy(signature, pBase, sizeof(signature));
    const bool bExtended = signature[0] == 1 && signature[1] == 0xFFFF;
    if (bExtended) {
        reader.Skip(2 * sizeof(WORD) + sizeof(DWORD)); // version, signature, help ID
        pOut->exStyle = reader.Dword();
        pOut->style = reader.Dword();
    } else {
        pOut->style = reader.Dword();
        pOut->exStyle = reader.Dword();
    }
    const WORD nControls = reader.Word();
    pOut->box = reader.Box();
    WORD ordinal = 0;
    const std::string menu = reader.NameOrOrdinal(&ordinal);
    pOut->bHasMenu = ordinal != 0 || !menu.empty();
    pOut->className = reader.NameOrOrdinal(&ordinal);
    if (ordinal != 0)
        pOut->className = "#" + std::to_string(ordinal);
    pOut->caption = reader.String();
    pOut->pointSize = 0;
    pOut->weight = FW_DONTCARE;
    pOut->bItalic = FALSE;
    if (pOut->style & DS_SETFONT) {
        pOut->pointSize = reader.Word();
        if (bExtended) {
            pOut->weight = reader.Word();
            pOut->bItalic = reader.Word() & 0xFF;
        }
        pOut->faceName = reader.String();
    }
    pOut->controls.resize(nControls);
    for (DialogControlTemplate& control : pOut->controls)
        ReadControl(reader, pBase, bExtended, &control);
}

} // namespace headless
