// The button bitmaps the library carries for the host: found by name or ID, 16-colour DIBs.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "LibraryResources.h"

namespace {

struct BitmapRow {
    std::string strName; // the resource name, or empty for an integer ID
    WORD wId;
    LONG nWidth;
    LONG nHeight;
};

// Each button face in its up, down and mask forms, 46 x 21; the arrows, 16 x 23.
std::vector<BitmapRow> LibraryBitmaps() {
    std::vector<BitmapRow> rows;
    for (const char* pszFace : {"BCAN", "BHELP", "BKENSAKU", "BZENHYOUJI"}) {
        for (const char* pszForm : {"_UP", "_DOWN", "_MASK"})
            rows.push_back({std::string(pszFace) + pszForm, 0, 46, 21});
    }
    for (WORD wId : {184, 185, 186})
        rows.push_back({"", wId, 16, 23});
    return rows;
}

LPCSTR ResourceName(const BitmapRow& row) {
    return !row.strName.empty() ? row.strName.c_str() : MAKEINTRESOURCEA(row.wId);
}

DWORD RowBytes(LONG nWidth) {
    return static_cast<DWORD>((nWidth * 4 + 31) / 32 * 4);
}

class BitmapResourceTest : public ::testing::TestWithParam<BitmapRow> {
protected:
    void SetUp() override {
        m_bytes = LoadJapaneseResource(RT_BITMAP, ResourceName(GetParam()));
        ASSERT_NE(nullptr, m_bytes.p) << "bitmap not in the library";
        ASSERT_GE(m_bytes.cb, sizeof(m_header));
        std::memcpy(&m_header, m_bytes.p, sizeof(m_header));
    }

    ResourceBytes m_bytes;
    BITMAPINFOHEADER m_header;
};

// The header, the 16-colour palette and every row, a 4-bit row holding two pixels a byte and
// padded to a whole DWORD.
TEST_P(BitmapResourceTest, IsAnUncompressedSixteenColourDibOfItsSize) {
    EXPECT_EQ(sizeof(BITMAPINFOHEADER), m_header.biSize);
    EXPECT_EQ(GetParam().nWidth, m_header.biWidth);
    EXPECT_EQ(GetParam().nHeight, m_header.biHeight);
    EXPECT_EQ(1, m_header.biPlanes);
    EXPECT_EQ(4, m_header.biBitCount);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), m_header.biCompression);
    // No colour count means as many colours as the pixel width can index.
    EXPECT_EQ(16u, m_header.biClrUsed != 0 ? m_header.biClrUsed : 1u << m_header.biBitCount);
    const DWORD cbPixels = RowBytes(GetParam().nWidth) * static_cast<DWORD>(GetParam().nHeight);
    EXPECT_EQ(sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD) + cbPixels, m_bytes.cb);
    if (m_header.biSizeImage != 0) {
        EXPECT_EQ(cbPixels, m_header.biSizeImage);
    }
}

std::string BitmapName(const ::testing::TestParamInfo<BitmapRow>& param) {
    return !param.param.strName.empty() ? param.param.strName
                                        : "Id" + std::to_string(param.param.wId);
}

INSTANTIATE_TEST_SUITE_P(Library, BitmapResourceTest, ::testing::ValuesIn(LibraryBitmaps()),
                         BitmapName);

} // namespace
