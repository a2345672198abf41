// Reading dialog templates: DLGTEMPLATE and DLGTEMPLATEEX with their controls.
#include "dlgtemplate.h"
#include "dbcs.h"

#include <cstring>
#include <utility>

namespace headless {
namespace {

// Template fields are WORD-aligned, so they are read by copying, never through casts. Every read
// is bounded by the bytes the template has: one that would pass its end reads nothing, yields 0
// and marks the template as cut short.
class TemplateReader {
public:
    TemplateReader(const void* p, size_t cb) : m_pBase(static_cast<const BYTE*>(p)), m_cb(cb) {}

    WORD Word() {
        WORD value = 0;
        Read(&value, sizeof(value));
        return value;
    }
    DWORD Dword() {
        DWORD value = 0;
        Read(&value, sizeof(value));
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    DialogUnitsBox Box() {
        const short x = Short(), y = Short(), cx = Short(), cy = Short();
        return DialogUnitsBox{x, y, cx, cy};
    }

    std::string String() {
        std::vector<WCHAR> wide;
        for (WORD ch = Word(); ch != 0 && !m_bCutShort; ch = Word())
            wide.push_back(ch);
        return ToAnsi(wide);
    }

    // A field that is either 0xFFFF and an ordinal, or a string; 0 alone is empty.
    std::string NameOrOrdinal(WORD* pOrdinal) {
        *pOrdinal = 0;
        if (Left() >= sizeof(WORD) && Peek() == 0xFFFF) {
            Skip(sizeof(WORD));
            *pOrdinal = Word();
            return std::string();
        }
        return String();
    }

    const BYTE* Position() const { return m_pBase + m_offset; }
    void Skip(size_t cb) {
        if (cb > Left())
            m_bCutShort = true;
        else
            m_offset += cb;
    }
    void AlignDword() { Skip((4 - m_offset % 4) % 4); }
    bool CutShort() const { return m_bCutShort; }

private:
    size_t Left() const { return m_bCutShort ? 0 : m_cb - m_offset; }
    WORD Peek() const {
        WORD value;
        std::memcpy(&value, Position(), sizeof(value));
        return value;
    }
    void Read(void* pValue, size_t cb) {
        if (cb > Left()) {
            m_bCutShort = true;
            return;
        }
        std::memcpy(pValue, Position(), cb);
        m_offset += cb;
    }
    static std::string ToAnsi(const std::vector<WCHAR>& wide) {
        return AnsiFromUtf16(reinterpret_cast<const char16_t*>(wide.data()), wide.size());
    }

    const BYTE* m_pBase;
    size_t m_cb;
    size_t m_offset = 0;
    bool m_bCutShort = false;
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

void ReadControl(TemplateReader& reader, bool bExtended, DialogControlTemplate* pControl) {
    reader.AlignDword();
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

bool ReadDialogTemplate(const void* pTemplate, size_t cbTemplate, DialogTemplate* pOut) {
    TemplateReader reader(pTemplate, cbTemplate);
    const WORD wVersion = reader.Word();
    const WORD wSignature = reader.Word();
    const bool bExtended = wVersion == 1 && wSignature == 0xFFFF;
    if (bExtended) {
        reader.Dword(); // help ID
        pOut->exStyle = reader.Dword();
        pOut->style = reader.Dword();
    } else {
        pOut->style = MAKELONG(wVersion, wSignature);
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
    // Controls are added as they are read, so that a count larger than the data allocates
    // no more than the data holds.
    for (WORD i = 0; i < nControls && !reader.CutShort(); ++i) {
        DialogControlTemplate control;
        ReadControl(reader, bExtended, &control);
        pOut->controls.push_back(std::move(control));
    }
    return !reader.CutShort();
}

} // namespace headless
