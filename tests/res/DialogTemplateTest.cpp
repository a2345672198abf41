// The six search dialog templates the library carries for the host, compared with their tables.
#include <gtest/gtest.h>

#include <string>

#include "DialogTemplate.h"
#include "LibraryResources.h"
#include "SearchTemplates.h"
#include "Utf16.h"

namespace {

using test::SearchTemplate;
using test::TemplateControl;

// Every control has its class as a predefined atom, its caption as a string and no creation data.
DialogItem ExpectedItem(const TemplateControl& row) {
    DialogItem item{};
    item.header = {row.style, 0, row.x, row.y, row.cx, row.cy, row.id};
    item.windowClass = {true, row.wClassAtom, u""};
    item.title = {false, 0, Utf16FromUtf8(row.pszCaption)};
    return item;
}

class SearchDialogTemplateTest : public ::testing::TestWithParam<SearchTemplate> {
protected:
    void SetUp() override {
        const ResourceBytes bytes =
            LoadJapaneseResource(RT_DIALOG, MAKEINTRESOURCEA(GetParam().wId));
        ASSERT_NE(nullptr, bytes.p) << "template " << GetParam().wId << " not in the library";
        ASSERT_TRUE(ReadDialogTemplate(bytes.p, bytes.cb, &m_template));
    }

    DialogTemplate m_template;
};

TEST_P(SearchDialogTemplateTest, HeaderIsAModalPopupWithTitleAndGothicFont) {
    const SearchTemplate& dialog = GetParam();
    // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT
    EXPECT_EQ(0x80C800C0u, m_template.header.style);
    EXPECT_EQ(0u, m_template.header.dwExtendedStyle);
    EXPECT_EQ(dialog.nControls, m_template.header.cdit);
    EXPECT_EQ(0, m_template.header.x);
    EXPECT_EQ(0, m_template.header.y);
    EXPECT_EQ(dialog.cx, m_template.header.cx);
    EXPECT_EQ(dialog.cy, m_template.header.cy);
    EXPECT_EQ((TemplateField{false, 0, u""}), m_template.menu);
    EXPECT_EQ((TemplateField{false, 0, u""}), m_template.windowClass);
    EXPECT_EQ(Utf16FromUtf8(dialog.pszTitle), m_template.title);
    EXPECT_EQ(9, m_template.wPointSize);
    EXPECT_EQ(Utf16FromUtf8(u8"ＭＳ ゴシック"), m_template.faceName);
}

TEST_P(SearchDialogTemplateTest, ControlsMatchTheTableInTemplateOrder) {
    const SearchTemplate& dialog = GetParam();
    ASSERT_EQ(dialog.nControls, m_template.items.size());
    for (size_t i = 0; i < dialog.nControls; ++i)
        EXPECT_EQ(ExpectedItem(dialog.pControls[i]), m_template.items[i]) << "control " << i + 1;
}

std::string TemplateName(const ::testing::TestParamInfo<SearchTemplate>& param) {
    return "Template" + std::to_string(param.param.wId);
}

INSTANTIATE_TEST_SUITE_P(Library, SearchDialogTemplateTest,
                         ::testing::ValuesIn(test::kSearchTemplates), TemplateName);

} // namespace
