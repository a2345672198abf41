// A dialog template in the standard (non-extended) form, read field by field.
#include "DialogTemplate.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr DWORD kSetFontStyle = 0x40; // DS_SETFONT: a point size and face name follow the title

// Reads a template front to back; reads past its end give zeros and mark it overrun.
class TemplateCursor {
public:
    TemplateCursor(const BYTE* p, DWORD cb) : m_p(p), m_cb(cb) {}

    void Read(void* pOut, size_t cb) {
        if (m_offset > m_cb || m_cb - m_offset < cb) {
            std::memset(pOut, 0, cb);
            m_offset = m_cb;
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
        for (WORD w = Word(); w != 0 && !m_bOverrun; w = Word())
            text += static_cast<char16_t>(w);
        return text;
    }

    TemplateField Field() {
        const WORD wFirst = Word();
        if (wFirst == 0xFFFF)
            return {true, Word(), u""};
        std::u16string text;
        if (wFirst != 0)
            text = static_cast<char16_t>(wFirst) + String();
        return {false, 0, text};
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
    DLGITEMTEMPLATE header;
    pCursor->Read(&header, sizeof(header));
    DialogItem item{};
    item.style = header.style;
    item.dwExtendedStyle = header.dwExtendedStyle;
    item.id = header.id;
    item.x = header.x;
    item.y = header.y;
    item.cx = header.cx;
    item.cy = header.cy;
    item.windowClass = pCursor->Field();
    item.title = pCursor->Field();
    item.cbCreationData = pCursor->Word();
    pCursor->Skip(item.cbCreationData);
    return item;
}

} // namespace

bool ReadDialogTemplate(const BYTE* p, DWORD cb, DialogTemplate* pTemplate) {
    TemplateCursor cursor(p, cb);
    DLGTEMPLATE header;
    cursor.Read(&header, sizeof(header));
    DialogTemplate dialog{};
    dialog.style = header.style;
    dialog.dwExtendedStyle = header.dwExtendedStyle;
    dialog.cdit = header.cdit;
    dialog.x = header.x;
    dialog.y = header.y;
    dialog.cx = header.cx;
    dialog.cy = header.cy;
    dialog.menu = cursor.Field();
    dialog.windowClass = cursor.Field();
    dialog.title = cursor.String();
    if (header.style & kSetFontStyle) {
        dialog.wPointSize = cursor.Word();
        dialog.faceName = cursor.String();
    }
    for (WORD i = 0; i < header.cdit && !cursor.Overrun(); ++i) {
        cursor.AlignToDword();
        dialog.items.push_back(ReadItem(&cursor));
    }
    *pTemplate = dialog;
    return !cursor.Overrun();
}

bool operator==(const TemplateField& a, const TemplateField& b) {
    return a.bOrdinal == b.bOrdinal && a.wOrdinal == b.wOrdinal && a.text == b.text;
}

bool operator==(const DialogItem& a, const DialogItem& b) {
    return a.style == b.style && a.dwExtendedStyle == b.dwExtendedStyle && a.id == b.id &&
           a.x == b.x && a.y == b.y && a.cx == b.cx && a.cy == b.cy &&
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
    *pStream << "{class " << ::testing::PrintToString(item.windowClass) << ", style 0x" << std::hex
             << item.style << ", exstyle 0x" << item.dwExtendedStyle << std::dec << ", id "
             << item.id << ", rect " << item.x << "," << item.y << "," << item.cx << "," << item.cy
             << ", title " << ::testing::PrintToString(item.title) << ", creation data "
             << item.cbCreationData << " bytes}";
}
