// MessageBoxA in the headless system: recorded, never shown, answered with the default button.
#include "Headless.h"
#include "ShiftJis.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MessageBoxTest, EnterPressesTheDefaultButton) {
    REQUIRE_HEADLESS();
    const struct {
        UINT uType;
        int nAnswer;
    } kCases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_ABORTRETRYIGNORE, IDABORT},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        {MB_RETRYCANCEL, IDRETRY},
        {MB_OK | MB_DEFBUTTON2, IDOK},
        {MB_YESNO | MB_DEFBUTTON3, IDYES},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.nAnswer, MessageBoxA(nullptr, "text", "caption", c.uType)) << c.uType;
    test::Headless()->ClearMessageBoxes();
}

TEST(MessageBoxTest, RecordsOwnerTextCaptionAndTypeInCallOrder) {
    REQUIRE_HEADLESS();
    test::Headless()->ClearMessageBoxes();
    const HWND hwndOwner = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x4242));
    const std::string text = test::ShiftJis("プログラムエラーです");
    MessageBoxA(hwndOwner, text.c_str(), "Title", MB_OK | MB_ICONSTOP);
    MessageBoxA(nullptr, nullptr, nullptr, MB_YESNO);

    ASSERT_EQ(2u, test::Headless()->GetMessageBoxCount());
    HEADLESS_MESSAGEBOX box;
    ASSERT_TRUE(test::Headless()->GetMessageBox(0, &box));
    EXPECT_EQ(hwndOwner, box.hwndOwner);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), box.uType);
    EXPECT_EQ(text, box.szText);
    EXPECT_STREQ("Title", box.szCaption);
    ASSERT_TRUE(test::Headless()->GetMessageBox(1, &box));
    EXPECT_EQ(nullptr, box.hwndOwner);
    EXPECT_STREQ("", box.szText);
    // Without a caption Windows titles the box "エラー" (error).
    EXPECT_EQ(test::ShiftJis("エラー"), box.szCaption);
    EXPECT_FALSE(test::Headless()->GetMessageBox(2, &box));

    test::Headless()->ClearMessageBoxes();
    EXPECT_EQ(0u, test::Headless()->GetMessageBoxCount());
}

TEST(MessageBoxTest, LongTextIsCutAndTerminated) {
    REQUIRE_HEADLESS();
    test::Headless()->ClearMessageBoxes();
    const std::string text(2000, 'x');
    MessageBoxA(nullptr, text.c_str(), "c", MB_OK);
    HEADLESS_MESSAGEBOX box;
    ASSERT_TRUE(test::Headless()->GetMessageBox(0, &box));
    EXPECT_EQ(std::string(sizeof(box.szText) - 1, 'x'), box.szText);
    test::Headless()->ClearMessageBoxes();
}

} // namespace
