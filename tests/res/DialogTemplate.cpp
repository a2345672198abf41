// A dialog template in the standard (non-extended) form, read field by field.
#include "DialogTemplate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

constexpr DWORD kSetFontStyle = 0x40; // DS_SETFONT

// Reads a template front to back; a read past its end gives zeros and marks it overrun.
class TemplateCursor {
public:
    TemplateCursor(const BYTE* p, DWORD cb) : m_p(p), m_cb(cb) {}

    void Read(void* pOut, size_t cb) {
        if (m_offset > m_cb || m_cb - m_offset < cb) {
            std::memset(pOut, 0, cb);
            m_bOverrun = true;
            return;
        }
        std::memcpy(pOut, m_p + m_offset, cb);
        m_offset += cb;
    }

    WORD Word() {
        WORD w = 0;
        Read(&w, sizeof(w));
        return w;
    }

    std::u16string String() {
        std::u16string text;
        for (WORD w = Word(); w != 0; w = Word())
            text += static_cast<char16_t>(w);
        return text;
    }

    TemplateField Field() {
        const WORD wFirst = Word();
        if (wFirst == 0xFFFF)
            return {true, Word(), u""};
        return {false, 0, wFirst == 0 ? u"" : static_cast<char16_t>(wFirst) + String()};
    }

    void Skip(size_t cb) { m_offset += cb; }

    // Items start on DWORD boundaries of the template.
    void AlignToDword() { m_offset = (m_offset + 3) & ~static_cast<size_t>(3); }

    bool Overrun() const { return m_bOverrun || m_offset > m_cb; }

private:
    const BYTE* m_p;
    size_t m_cb;
    size_t m_offset = 0;
    bool m_bOverrun = false;
};

DialogItem ReadItem(TemplateCursor* pCursor) {
    DialogItem item{};
    pCursor->Read(&item.header, sizeof(item.header));
    item.windowClass = pCursor->Field();
    item.title = pCursor->Field();
    item.cbCreationData = pCursor->Word();
    pCursor->Skip(item.cbCreationData);
    return item;
}

} // namespace

bool ReadDialogTemplate(const BYTE* p, DWORD cb, DialogTemplate* pTemplate) {
    TemplateCursor cursor(p, cb);
    DialogTemplate dialog{};
    cursor.Read(&dialog.header, sizeof(dialog.header));
    dialog.menu = cursor.Field();
    dialog.windowClass = cursor.Field();
    dialog.title = cursor.String();
    if (dialog.header.style & kSetFontStyle) {
        dialog.wPointSize = cursor.Word();
        dialog.faceName = cursor.String();
    }
    for (WORD i = 0; i < dialog.header.cdit && !cursor.Overrun(); ++i) {
        cursor.AlignToDword();
        dialog.items.push_back(ReadItem(&cursor));
    }
    *pTemplate = dialog;
    return !cursor.Overrun();
}

bool operator==(const TemplateField& a, const TemplateField& b) {
    return std::tie(a.bOrdinal, a.wOrdinal, a.text) == std::tie(b.bOrdinal, b.wOrdinal, b.text);
}

bool operator==(const DialogItem& a, const DialogItem& b) {
    // DLGITEMTEMPLATE is packed without gaps, so its bytes are its fields.
    return std::memcmp(&a.header, &b.header, sizeof(a.header)) == 0 &&
           a.windowClass == b.windowClass && a.title == b.title &&
           a.cbCreationData == b.cbCreationData;
}

void PrintTo(const TemplateField& field, std::ostream* pStream) {
    if (field.bOrdinal)
        *pStream << "ordinal 0x" << std::hex << field.wOrdinal << std::dec;
    else
        *pStream << ::testing::PrintToString(field.text);
}

void PrintTo(const DialogItem& item, std::ostream* pStream) {
    const DLGITEMTEMPLATE& h = item.header;
    *pStream << "{class " << ::testing::PrintToString(item.windowClass) << ", style 0x" << std::hex
             << h.style << ", exstyle 0x" << h.dwExtendedStyle << std::dec << ", id " << h.id
             << ", rect " << h.x << "," << h.y << "," << h.cx << "," << h.cy << ", title "
             << ::testing::PrintToString(item.title) << ", creation data " << item.cbCreationData
             << " bytes}";
}
