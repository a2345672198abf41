// The six search dialog templates the library carries for the host, byte for byte as their
// tables make them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LibraryResources.h"
#include "SearchTemplates.h"

namespace {

using test::SearchTemplate;

// A dialog template in the standard form, written field by field as a resource compiler writes
// it (little-endian, as Windows runs).
class TemplateWriter {
public:
    template <typename T>
    void Put(T value) {
        const BYTE* p = reinterpret_cast<const BYTE*>(&value);
        m_bytes.insert(m_bytes.end(), p, p + sizeof(value));
    }
    void Box(short x, short y, short cx, short cy) {
        for (short n : {x, y, cx, cy})
            Put(n);
    }
    void Text(const char* pszUtf8) {
        WCHAR wsz[64];
        const int nChars = MultiByteToWideChar(CP_UTF8, 0, pszUtf8, -1, wsz, 64);
        ASSERT_GT(nChars, 0) << pszUtf8;
        m_bytes.insert(m_bytes.end(), reinterpret_cast<const BYTE*>(wsz),
                       reinterpret_cast<const BYTE*>(wsz + nChars));
    }
    // Controls start on DWORD boundaries of the template.
    void AlignDword() { m_bytes.resize((m_bytes.size() + 3) & ~size_t{3}); }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

// Every template is a modal popup (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
// DS_SETFONT) at 0, 0 without menu or class, in the 9-point "ＭＳ ゴシック"; every control has its
// class as a predefined atom, its caption as a string, and no creation data.
std::vector<BYTE> TemplateOf(const SearchTemplate& dialog) {
    TemplateWriter writer;
    writer.Put(DWORD{0x80C800C0});
    writer.Put(DWORD{0});
    writer.Put(static_cast<WORD>(dialog.nControls));
    writer.Box(0, 0, dialog.cx, dialog.cy);
    writer.Put(DWORD{0}); // no menu, the dialog class
    writer.Text(dialog.pszTitle);
    writer.Put(WORD{9});
    writer.Text(u8"ＭＳ ゴシック");
    for (size_t i = 0; i < dialog.nControls; ++i) {
        const test::TemplateControl& control = dialog.pControls[i];
        writer.AlignDword();
        writer.Put(control.style);
        writer.Put(DWORD{0});
        writer.Box(control.x, control.y, control.cx, control.cy);
        writer.Put(control.id);
        writer.Put(WORD{0xFFFF});
        writer.Put(control.wClassAtom);
        writer.Text(control.pszCaption);
        writer.Put(WORD{0});
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
