// The six search dialog templates the library carries for the host, byte for byte as their
// tables make them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LibraryResources.h"
#include "SearchTemplates.h"
#include "Utf16.h"

namespace {

using test::SearchTemplate;

// A dialog template in the standard form, written field by field as a resource compiler writes
// it.
class TemplateWriter {
public:
    void Word(WORD w) {
        m_bytes.push_back(LOBYTE(w));
        m_bytes.push_back(HIBYTE(w));
    }
    void Dword(DWORD dw) {
        Word(LOWORD(dw));
        Word(HIWORD(dw));
    }
    void Box(short x, short y, short cx, short cy) {
        for (short n : {x, y, cx, cy})
            Word(static_cast<WORD>(n));
    }
    void Text(const char* pszUtf8) {
        for (char16_t ch : Utf16FromUtf8(pszUtf8))
            Word(ch);
        Word(0);
    }
    // Controls start on DWORD boundaries of the template.
    void AlignDword() {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
    }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

// Every template is a modal popup (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
// DS_SETFONT) at 0, 0 without menu or class, in the 9-point "ＭＳ ゴシック"; every control has its
// class as a predefined atom, its caption as a string, and no creation data.
std::vector<BYTE> TemplateOf(const SearchTemplate& dialog) {
    TemplateWriter writer;
    writer.Dword(0x80C800C0);
    writer.Dword(0);
    writer.Word(static_cast<WORD>(dialog.nControls));
    writer.Box(0, 0, dialog.cx, dialog.cy);
    writer.Word(0);
    writer.Word(0);
    writer.Text(dialog.pszTitle);
    writer.Word(9);
    writer.Text(u8"ＭＳ ゴシック");
    for (size_t i = 0; i < dialog.nControls; ++i) {
        const test::TemplateControl& control = dialog.pControls[i];
        writer.AlignDword();
        writer.Dword(control.style);
        writer.Dword(0);
        writer.Box(control.x, control.y, control.cx, control.cy);
        writer.Word(control.id);
        writer.Word(0xFFFF);
        writer.Word(control.wClassAtom);
        writer.Text(control.pszCaption);
        writer.Word(0);
    }
    return writer.Bytes();
}

class SearchDialogTemplateTest : public ::testing::TestWithParam<SearchTemplate> {};

// A resource compiler may pad the resource to a whole DWORD.
TEST_P(SearchDialogTemplateTest, IsTheTemplateItsTableMakes) {
    const ResourceBytes bytes = LoadJapaneseResource(RT_DIALOG, MAKEINTRESOURCEA(GetParam().wId));
    ASSERT_NE(nullptr, bytes.p) << "not in the library";
    const std::vector<BYTE> expected = TemplateOf(GetParam());
    ASSERT_GE(bytes.cb, expected.size());
    EXPECT_LT(bytes.cb - expected.size(), 4u);
    const auto difference = std::mismatch(expected.begin(), expected.end(), bytes.p);
    EXPECT_TRUE(difference.first == expected.end())
        << "first difference at byte " << difference.first - expected.begin();
}

std::string TemplateName(const ::testing::TestParamInfo<SearchTemplate>& param) {
    return "Template" + std::to_string(param.param.wId);
}

INSTANTIATE_TEST_SUITE_P(Library, SearchDialogTemplateTest,
                         ::testing::ValuesIn(test::kSearchTemplates), TemplateName);

} // namespace
