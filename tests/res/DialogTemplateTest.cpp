// The six search dialog templates the library carries for the host, compared with their tables.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "DialogTemplate.h"
#include "LibraryResources.h"
#include "Utf16.h"

namespace {

constexpr WORD kButton = 0x0080;
constexpr WORD kEdit = 0x0081;
constexpr WORD kStatic = 0x0082;

// One control as the table gives it. Captions are UTF-8; the host's key markers RS (0x1E) and
// US (0x1F) are octal escapes.
struct ControlRow {
    WORD wClassAtom;
    DWORD style;
    DWORD dwExtendedStyle;
    WORD id;
    short x, y, cx, cy;
    const char* pszCaption;
};

struct SearchDialog {
    WORD wId;
    const char* pszTitle;
    short x, y, cx, cy;
    const ControlRow* pControls;
    size_t nControls;
};

void PrintTo(const SearchDialog& dialog, std::ostream* pStream) {
    *pStream << "template " << dialog.wId;
}

const ControlRow kTemplate80[] = {
    {kButton, 0x50020009, 0, 1079, 14, 19, 57, 12, u8"電話番号(\036D\037ﾃ)"},
    {kButton, 0x50000009, 0, 1081, 14, 36, 54, 12, u8"顧客名(\036K\037ｺ)"},
    {kButton, 0x50000009, 0, 1083, 14, 53, 57, 12, u8"フリガナ(\036F\037ﾌ)"},
    {kButton, 0x50020007, 0, 65535, 7, 7, 240, 66, u8""},
    {kEdit, 0x50830000, 0, 1080, 76, 17, 56, 14, u8""},
    {kEdit, 0x50810000, 0, 1082, 76, 34, 163, 14, u8""},
    {kEdit, 0x50810000, 0, 1084, 76, 51, 131, 14, u8""},
    {kStatic, 0x50020000, 0, 1009, 18, 86, 51, 12, u8"顧客区分(\036B\037ｸ)"},
    {kEdit, 0x50810006, 0, 5085, 71, 83, 40, 14, u8""},
    {kStatic, 0x50020000, 0, 1010, 18, 109, 38, 12, u8"担当者(\036T\037ﾀ)"},
    {kEdit, 0x50810006, 0, 5086, 71, 108, 40, 14, u8""},
    {kButton, 0x50010000, 0, 1087, 194, 79, 54, 14, u8"検索開始(F5)"},
    {kButton, 0x50010000, 0, 2, 194, 96, 54, 14, u8"ｷｬﾝｾﾙ(ESC)"},
    {kButton, 0x50010000, 0, 9, 194, 113, 54, 14, u8"ﾍﾙﾌﾟ(F1)"},
    {kStatic, 0x50021000, 0, 1016, 115, 84, 65, 12, u8"Static"},
    {kStatic, 0x50021000, 0, 1017, 115, 109, 65, 12, u8"Static"},
};

const ControlRow kTemplate81[] = {
    {kButton, 0x50020009, 0, 1088, 11, 20, 55, 12, u8"電話番号(\036D\037ﾃ)"},
    {kButton, 0x50000009, 0, 1090, 11, 37, 55, 12, u8"発送先名(\036H\037ﾊ)"},
    {kButton, 0x50000009, 0, 1092, 11, 54, 57, 12, u8"顧客ｺｰﾄﾞ(\036K\037ｺ)"},
    {kEdit, 0x50830000, 0, 1089, 73, 18, 57, 14, u8""},
    {kEdit, 0x50810000, 0, 1091, 73, 35, 166, 14, u8""},
    {kEdit, 0x50810006, 0, 5093, 73, 52, 73, 14, u8""},
    {kButton, 0x50020007, 0, 65535, 7, 7, 314, 67, u8""},
    {kStatic, 0x50020000, 0, 65535, 22, 83, 40, 12, u8"担当者(\036T\037ﾀ)"},
    {kEdit, 0x50810006, 0, 5094, 65, 81, 42, 14, u8""},
    {kButton, 0x50010000, 0, 1095, 267, 79, 54, 14, u8"検索開始(F5)"},
    {kButton, 0x50010000, 0, 2, 267, 95, 54, 14, u8"ｷｬﾝｾﾙ(ESC)"},
    {kButton, 0x50010000, 0, 9, 267, 111, 54, 14, u8"ﾍﾙﾌﾟ(F1)"},
    {kStatic, 0x50021000, 0, 1005, 149, 54, 168, 12, u8"１２３４５６７８９０１２３４５６７８９０"},
    {kStatic, 0x50021000, 0, 1004, 110, 83, 65, 12, u8"12345678901234"},
};

const ControlRow kTemplate82[] = {
    {kStatic, 0x50020000, 0, 65535, 13, 20, 38, 12, u8"商品名(\036S\037ｼ)"},
    {kEdit, 0x50810000, 0, 1096, 59, 18, 148, 14, u8""},
    {kButton, 0x50000007, 0, 65535, 7, 7, 224, 32, u8""},
    {kStatic, 0x50020000, 0, 65535, 9, 49, 53, 12, u8"商品区分１(\0361\0371)"},
    {kEdit, 0x50810006, 0, 5097, 64, 46, 40, 14, u8""},
    {kStatic, 0x50020000, 0, 65535, 9, 68, 53, 12, u8"商品区分２(\0362\0372)"},
    {kEdit, 0x50810006, 0, 5098, 64, 66, 40, 14, u8""},
    {kButton, 0x50010000, 0, 1100, 181, 45, 54, 14, u8"検索開始(F5)"},
    {kButton, 0x50010000, 0, 2, 181, 63, 54, 14, u8"ｷｬﾝｾﾙ(ESC)"},
    {kButton, 0x50010000, 0, 9, 181, 81, 54, 14, u8"ﾍﾙﾌﾟ(F1)"},
    {kStatic, 0x50021000, 0, 1002, 109, 47, 65, 12, u8"12345678901234"},
    {kStatic, 0x50021000, 0, 1003, 109, 67, 65, 12, u8"12345678901234"},
};

const ControlRow kTemplate83[] = {
    {kStatic, 0x50020000, 0, 65535, 13, 22, 29, 12, u8"住所(\036A\037ｼ)"},
    {kEdit, 0x50810000, 0, 1001, 45, 20, 160, 14, u8""},
    {kButton, 0x50010000, 0, 285, 158, 50, 54, 14, u8"検索開始(F5)"},
    {kButton, 0x50010000, 0, 2, 158, 67, 54, 14, u8"ｷｬﾝｾﾙ(ESC)"},
    {kButton, 0x50010000, 0, 9, 158, 84, 54, 14, u8"ﾍﾙﾌﾟ(F1)"},
    {kButton, 0x50000007, 0, 65535, 7, 7, 204, 35, u8""},
};

const ControlRow kTemplate84[] = {
    {kStatic, 0x50020000, 0, 65535, 13, 22, 43, 12, u8"件  名(\036A\037ｼ)"},
    {kEdit, 0x50810000, 0, 1006, 63, 19, 130, 14, u8""},
    {kStatic, 0x50020000, 0, 65535, 13, 43, 46, 12, u8"顧客ｺｰﾄﾞ(\036C\037ｿ)"},
    {kEdit, 0x50810006, 0, 5085, 63, 41, 73, 14, u8""},
    {kStatic, 0x50021000, 0, 1028, 139, 42, 168, 12, u8"１２３４５６７８９０１２３４５６７８９０"},
    {kButton, 0x50000007, 0, 65535, 7, 6, 304, 59, u8""},
    {kButton, 0x50010000, 0, 1030, 258, 76, 53, 14, u8"検索開始(F5)"},
    {kButton, 0x50010000, 0, 2, 258, 94, 53, 14, u8"ｷｬﾝｾﾙ(ESC)"},
    {kButton, 0x50010000, 0, 9, 258, 112, 53, 14, u8"ﾍﾙﾌﾟ(F1)"},
};

const ControlRow kTemplate85[] = {
    {kButton, 0x50020009, 0, 1012, 14, 19, 57, 12, u8"電話番号(\036D\037ﾃ)"},
    {kButton, 0x50000009, 0, 1013, 14, 36, 55, 12, u8"仕入先名(\036L\037ﾘ)"},
    {kButton, 0x50000009, 0, 1014, 14, 53, 57, 12, u8"フリガナ(\036F\037ﾌ)"},
    {kButton, 0x50020007, 0, 65535, 7, 7, 240, 66, u8""},
    {kEdit, 0x50830000, 0, 1011, 76, 17, 56, 14, u8""},
    {kEdit, 0x50810000, 0, 1015, 76, 34, 163, 14, u8""},
    {kEdit, 0x50810000, 0, 1018, 76, 51, 131, 14, u8""},
    {kStatic, 0x50020000, 0, 1019, 13, 83, 53, 9, u8"仕入先区分(\036B\037ｸ)"},
    {kEdit, 0x50810006, 0, 5085, 71, 80, 40, 14, u8""},
    {kStatic, 0x50020000, 0, 1022, 21, 101, 38, 12, u8"担当者(\036T\037ﾀ)"},
    {kEdit, 0x50810006, 0, 5086, 71, 98, 40, 14, u8""},
    {kButton, 0x50010000, 0, 1025, 194, 79, 54, 14, u8"検索開始(F5)"},
    {kButton, 0x50010000, 0, 2, 194, 96, 54, 14, u8"ｷｬﾝｾﾙ(ESC)"},
    {kButton, 0x50010000, 0, 9, 194, 113, 54, 14, u8"ﾍﾙﾌﾟ(F1)"},
    {kStatic, 0x50021000, 0, 1021, 117, 82, 65, 12, u8"Static"},
    {kStatic, 0x50021000, 0, 1024, 117, 100, 65, 12, u8"Static"},
};

// The header of each template: its ID, title, position and size, and its table of controls.
const SearchDialog kSearchDialogs[] = {
    {80, u8"顧客の検索", 0, 0, 255, 135, kTemplate80, std::size(kTemplate80)},
    {81, u8"発送先の検索", 0, 0, 327, 133, kTemplate81, std::size(kTemplate81)},
    {82, u8"商品の検索", 0, 0, 241, 103, kTemplate82, std::size(kTemplate82)},
    {83, u8"郵便番号の検索", 0, 0, 219, 103, kTemplate83, std::size(kTemplate83)},
    {84, u8"見積の検索", 0, 0, 319, 133, kTemplate84, std::size(kTemplate84)},
    {85, u8"仕入先の検索", 0, 0, 255, 135, kTemplate85, std::size(kTemplate85)},
};

// Every control has its class as a predefined atom, its caption as a string and no creation data.
DialogItem ExpectedItem(const ControlRow& row) {
    DialogItem item{};
    item.header = {row.style, row.dwExtendedStyle, row.x, row.y, row.cx, row.cy, row.id};
    item.windowClass = {true, row.wClassAtom, u""};
    item.title = {false, 0, Utf16FromUtf8(row.pszCaption)};
    return item;
}

class SearchDialogTemplateTest : public ::testing::TestWithParam<SearchDialog> {
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
    const SearchDialog& dialog = GetParam();
    // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT
    EXPECT_EQ(0x80C800C0u, m_template.header.style);
    EXPECT_EQ(0u, m_template.header.dwExtendedStyle);
    EXPECT_EQ(dialog.nControls, m_template.header.cdit);
    EXPECT_EQ(dialog.x, m_template.header.x);
    EXPECT_EQ(dialog.y, m_template.header.y);
    EXPECT_EQ(dialog.cx, m_template.header.cx);
    EXPECT_EQ(dialog.cy, m_template.header.cy);
    EXPECT_EQ((TemplateField{false, 0, u""}), m_template.menu);
    EXPECT_EQ((TemplateField{false, 0, u""}), m_template.windowClass);
    EXPECT_EQ(Utf16FromUtf8(dialog.pszTitle), m_template.title);
    EXPECT_EQ(9, m_template.wPointSize);
    EXPECT_EQ(Utf16FromUtf8(u8"ＭＳ ゴシック"), m_template.faceName);
}

TEST_P(SearchDialogTemplateTest, ControlsMatchTheTableInTemplateOrder) {
    const SearchDialog& dialog = GetParam();
    ASSERT_EQ(dialog.nControls, m_template.items.size());
    for (size_t i = 0; i < dialog.nControls; ++i)
        EXPECT_EQ(ExpectedItem(dialog.pControls[i]), m_template.items[i]) << "control " << i + 1;
}

std::string TemplateName(const ::testing::TestParamInfo<SearchDialog>& param) {
    return "Template" + std::to_string(param.param.wId);
}

INSTANTIATE_TEST_SUITE_P(Library, SearchDialogTemplateTest, ::testing::ValuesIn(kSearchDialogs),
                         TemplateName);

} // namespace
