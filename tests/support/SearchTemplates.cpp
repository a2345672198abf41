// The six search-dialog templates, as res/tk_peludlg14.rc is meant to make them.
#include "SearchTemplates.h"

#include "CDlgSb.h"

#include <iterator>

namespace test {
namespace {

const TemplateControl kTemplate80[] = {
    {kButton, 0x50020009, 1079, 14, 19, 57, 12, u8"電話番号(\036D\037ﾃ)", KIND_RADIO, 0},
    {kButton, 0x50000009, 1081, 14, 36, 54, 12, u8"顧客名(\036K\037ｺ)", KIND_RADIO, 0},
    {kButton, 0x50000009, 1083, 14, 53, 57, 12, u8"フリガナ(\036F\037ﾌ)", KIND_RADIO, 0},
    {kButton, 0x50020007, 65535, 7, 7, 240, 66, u8"", kNoItem, -1},
    {kEdit, 0x50830000, 1080, 76, 17, 56, 14, u8"", KIND_EDIT, -1},
    {kEdit, 0x50810000, 1082, 76, 34, 163, 14, u8"", KIND_EDIT, -1},
    {kEdit, 0x50810000, 1084, 76, 51, 131, 14, u8"", KIND_EDIT, -1},
    {kStatic, 0x50020000, 1009, 18, 86, 51, 12, u8"顧客区分(\036B\037ｸ)", kNoItem, -1},
    {kEdit, 0x50810006, 5085, 71, 83, 40, 14, u8"", KIND_EDIT5000, -1},
    {kStatic, 0x50020000, 1010, 18, 109, 38, 12, u8"担当者(\036T\037ﾀ)", kNoItem, -1},
    {kEdit, 0x50810006, 5086, 71, 108, 40, 14, u8"", KIND_EDIT5000, -1},
    {kButton, 0x50010000, 1087, 194, 79, 54, 14, u8"検索開始(F5)", KIND_PUSH, -1},
    {kButton, 0x50010000, 2, 194, 96, 54, 14, u8"ｷｬﾝｾﾙ(ESC)", KIND_PUSH, -1},
    {kButton, 0x50010000, 9, 194, 113, 54, 14, u8"ﾍﾙﾌﾟ(F1)", KIND_PUSH, -1},
    {kStatic, 0x50021000, 1016, 115, 84, 65, 12, u8"Static", kNoItem, -1},
    {kStatic, 0x50021000, 1017, 115, 109, 65, 12, u8"Static", kNoItem, -1},
};

const TemplateControl kTemplate81[] = {
    {kButton, 0x50020009, 1088, 11, 20, 55, 12, u8"電話番号(\036D\037ﾃ)", KIND_RADIO, 0},
    {kButton, 0x50000009, 1090, 11, 37, 55, 12, u8"発送先名(\036H\037ﾊ)", KIND_RADIO, 0},
    {kButton, 0x50000009, 1092, 11, 54, 57, 12, u8"顧客ｺｰﾄﾞ(\036K\037ｺ)", KIND_RADIO, 0},
    {kEdit, 0x50830000, 1089, 73, 18, 57, 14, u8"", KIND_EDIT, -1},
    {kEdit, 0x50810000, 1091, 73, 35, 166, 14, u8"", KIND_EDIT, -1},
    {kEdit, 0x50810006, 5093, 73, 52, 73, 14, u8"", KIND_EDIT5000, -1},
    {kButton, 0x50020007, 65535, 7, 7, 314, 67, u8"", kNoItem, -1},
    {kStatic, 0x50020000, 65535, 22, 83, 40, 12, u8"担当者(\036T\037ﾀ)", kNoItem, -1},
    {kEdit, 0x50810006, 5094, 65, 81, 42, 14, u8"", KIND_EDIT5000, -1},
    {kButton, 0x50010000, 1095, 267, 79, 54, 14, u8"検索開始(F5)", KIND_PUSH, -1},
    {kButton, 0x50010000, 2, 267, 95, 54, 14, u8"ｷｬﾝｾﾙ(ESC)", KIND_PUSH, -1},
    {kButton, 0x50010000, 9, 267, 111, 54, 14, u8"ﾍﾙﾌﾟ(F1)", KIND_PUSH, -1},
    {kStatic, 0x50021000, 1005, 149, 54, 168, 12, u8"１２３４５６７８９０１２３４５６７８９０",
     kNoItem, -1},
    {kStatic, 0x50021000, 1004, 110, 83, 65, 12, u8"12345678901234", kNoItem, -1},
};

const TemplateControl kTemplate82[] = {
    {kStatic, 0x50020000, 65535, 13, 20, 38, 12, u8"商品名(\036S\037ｼ)", kNoItem, -1},
    {kEdit, 0x50810000, 1096, 59, 18, 148, 14, u8"", KIND_EDIT, -1},
    {kButton, 0x50000007, 65535, 7, 7, 224, 32, u8"", kNoItem, -1},
    {kStatic, 0x50020000, 65535, 9, 49, 53, 12, u8"商品区分１(\0361\0371)", kNoItem, -1},
    {kEdit, 0x50810006, 5097, 64, 46, 40, 14, u8"", KIND_EDIT5000, -1},
    {kStatic, 0x50020000, 65535, 9, 68, 53, 12, u8"商品区分２(\0362\0372)", kNoItem, -1},
    {kEdit, 0x50810006, 5098, 64, 66, 40, 14, u8"", KIND_EDIT5000, -1},
    {kButton, 0x50010000, 1100, 181, 45, 54, 14, u8"検索開始(F5)", KIND_PUSH, -1},
    {kButton, 0x50010000, 2, 181, 63, 54, 14, u8"ｷｬﾝｾﾙ(ESC)", KIND_PUSH, -1},
    {kButton, 0x50010000, 9, 181, 81, 54, 14, u8"ﾍﾙﾌﾟ(F1)", KIND_PUSH, -1},
    {kStatic, 0x50021000, 1002, 109, 47, 65, 12, u8"12345678901234", kNoItem, -1},
    {kStatic, 0x50021000, 1003, 109, 67, 65, 12, u8"12345678901234", kNoItem, -1},
};

const TemplateControl kTemplate83[] = {
    {kStatic, 0x50020000, 65535, 13, 22, 29, 12, u8"住所(\036A\037ｼ)", kNoItem, -1},
    {kEdit, 0x50810000, 1001, 45, 20, 160, 14, u8"", KIND_EDIT, -1},
    {kButton, 0x50010000, 285, 158, 50, 54, 14, u8"検索開始(F5)", KIND_PUSH, -1},
    {kButton, 0x50010000, 2, 158, 67, 54, 14, u8"ｷｬﾝｾﾙ(ESC)", KIND_PUSH, -1},
    {kButton, 0x50010000, 9, 158, 84, 54, 14, u8"ﾍﾙﾌﾟ(F1)", KIND_PUSH, -1},
    {kButton, 0x50000007, 65535, 7, 7, 204, 35, u8"", kNoItem, -1},
};

const TemplateControl kTemplate84[] = {
    {kStatic, 0x50020000, 65535, 13, 22, 43, 12, u8"件  名(\036A\037ｼ)", kNoItem, -1},
    {kEdit, 0x50810000, 1006, 63, 19, 130, 14, u8"", KIND_EDIT, -1},
    {kStatic, 0x50020000, 65535, 13, 43, 46, 12, u8"顧客ｺｰﾄﾞ(\036C\037ｿ)", kNoItem, -1},
    {kEdit, 0x50810006, 5085, 63, 41, 73, 14, u8"", KIND_EDIT5000, -1},
    {kStatic, 0x50021000, 1028, 139, 42, 168, 12, u8"１２３４５６７８９０１２３４５６７８９０",
     kNoItem, -1},
    {kButton, 0x50000007, 65535, 7, 6, 304, 59, u8"", kNoItem, -1},
    {kButton, 0x50010000, 1030, 258, 76, 53, 14, u8"検索開始(F5)", KIND_PUSH, -1},
    {kButton, 0x50010000, 2, 258, 94, 53, 14, u8"ｷｬﾝｾﾙ(ESC)", KIND_PUSH, -1},
    {kButton, 0x50010000, 9, 258, 112, 53, 14, u8"ﾍﾙﾌﾟ(F1)", KIND_PUSH, -1},
};

const TemplateControl kTemplate85[] = {
    {kButton, 0x50020009, 1012, 14, 19, 57, 12, u8"電話番号(\036D\037ﾃ)", KIND_RADIO, 0},
    {kButton, 0x50000009, 1013, 14, 36, 55, 12, u8"仕入先名(\036L\037ﾘ)", KIND_RADIO, 0},
    {kButton, 0x50000009, 1014, 14, 53, 57, 12, u8"フリガナ(\036F\037ﾌ)", KIND_RADIO, 0},
    {kButton, 0x50020007, 65535, 7, 7, 240, 66, u8"", kNoItem, -1},
    {kEdit, 0x50830000, 1011, 76, 17, 56, 14, u8"", KIND_EDIT, -1},
    {kEdit, 0x50810000, 1015, 76, 34, 163, 14, u8"", KIND_EDIT, -1},
    {kEdit, 0x50810000, 1018, 76, 51, 131, 14, u8"", KIND_EDIT, -1},
    {kStatic, 0x50020000, 1019, 13, 83, 53, 9, u8"仕入先区分(\036B\037ｸ)", kNoItem, -1},
    {kEdit, 0x50810006, 5085, 71, 80, 40, 14, u8"", KIND_EDIT5000, -1},
    {kStatic, 0x50020000, 1022, 21, 101, 38, 12, u8"担当者(\036T\037ﾀ)", kNoItem, -1},
    {kEdit, 0x50810006, 5086, 71, 98, 40, 14, u8"", KIND_EDIT5000, -1},
    {kButton, 0x50010000, 1025, 194, 79, 54, 14, u8"検索開始(F5)", KIND_PUSH, -1},
    {kButton, 0x50010000, 2, 194, 96, 54, 14, u8"ｷｬﾝｾﾙ(ESC)", KIND_PUSH, -1},
    {kButton, 0x50010000, 9, 194, 113, 54, 14, u8"ﾍﾙﾌﾟ(F1)", KIND_PUSH, -1},
    {kStatic, 0x50021000, 1021, 117, 82, 65, 12, u8"Static", kNoItem, -1},
    {kStatic, 0x50021000, 1024, 117, 100, 65, 12, u8"Static", kNoItem, -1},
};

} // namespace

const SearchTemplate kSearchTemplates[6] = {
    {80, u8"顧客の検索", 255, 135, kTemplate80, std::size(kTemplate80)},
    {81, u8"発送先の検索", 327, 133, kTemplate81, std::size(kTemplate81)},
    {82, u8"商品の検索", 241, 103, kTemplate82, std::size(kTemplate82)},
    {83, u8"郵便番号の検索", 219, 103, kTemplate83, std::size(kTemplate83)},
    {84, u8"見積の検索", 319, 133, kTemplate84, std::size(kTemplate84)},
    {85, u8"仕入先の検索", 255, 135, kTemplate85, std::size(kTemplate85)},
};

} // namespace test
