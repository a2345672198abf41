// The lead bytes of code page 932, which a host's code and the previewer ask the system for
// rather than keep a rule of their own: the ANSI and OEM code pages are 932 here, UTF-8 has none.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(LeadByteTest, CodePage932StartsDoubleByteCharactersAtItsLeadBytes) {
    const BYTE kBytes[] = {0x41, 0x80, 0x81, 0x9F, 0xA0, 0xB1, 0xDF, 0xE0, 0xFC, 0xFD};
    const char* const kLead932 = "0011000110";
    for (UINT nCodePage : {UINT{CP_ACP}, UINT{CP_OEMCP}, 932u, UINT{CP_UTF8}}) {
        for (size_t i = 0; i < sizeof(kBytes); ++i) {
            const bool bLead = nCodePage != CP_UTF8 && kLead932[i] == '1';
            SetLastError(0);
            EXPECT_EQ(bLead, IsDBCSLeadByteEx(nCodePage, kBytes[i]) != FALSE)
                << nCodePage << " " << int{kBytes[i]};
            EXPECT_EQ(0u, GetLastError());
        }
    }
    EXPECT_TRUE(IsDBCSLeadByte(0x81) && !IsDBCSLeadByte(0xB1));
    EXPECT_FALSE(IsDBCSLeadByteEx(12345, 0x81));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

} // namespace
