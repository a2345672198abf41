// The host's test of its customer dialog with the package's test harness: the controller attached
// as the application attaches it, keys typed through the dialog loop as a user types them, and
// what the dialog received compared with what the host expects; the Win32 calls and framework
// members of its own dialog code, as it makes them against Win32 and MFC.
#include "consumer.h"

#include <Headless.h>
#include <HostDialog.h>
#include <MessageLog.h>
#include <ShiftJis.h>
#include <tk_peludlg14.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

constexpr UINT kFuncKeyMsg = WM_APP + 1;
constexpr UINT kCheckMsg = WM_APP + 2;

class CustomerDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitPeluDlgDLL();
        // As the application does: a radio group starts with one of its buttons checked.
        CheckDlgButton(m_host.Dialog(), IDC_CORPORATE, BST_CHECKED);
        ASSERT_EQ(1, m_sb.Init(m_host.DialogWnd(), IDD_CUSTOMER, kFuncKeyMsg, 0, kCheckMsg, 0, 0));
        test::PumpDialog(m_host.Dialog());
        test::ClearMessages();
    }

    void Type(std::initializer_list<UINT> keys) {
        for (const UINT vk : keys)
            test::TypeKeyInDialog(m_host.Dialog(), vk);
    }

    test::HostDialog m_host{GetModuleHandleA(nullptr), IDD_CUSTOMER};
    CDlgSb m_sb;
};

TEST_F(CustomerDialogTest, EnterLeavesTheRadioGroupForTheCodeAndTheName) {
    Type({VK_RETURN});
    EXPECT_EQ(m_host.Item(IDC_CODE), GetFocus());
    Type({VK_RETURN});
    EXPECT_EQ(m_host.Item(IDC_NAME), GetFocus());
}

test::ExpectedMessage Notification(int nID, WORD wCode) {
    return {"dlg", WM_COMMAND, test::sent | test::wparam, MAKEWPARAM(nID, wCode)};
}

test::ExpectedMessage Host(UINT message, WPARAM wParam, UINT how) {
    return {"dlg", message, how | test::wparam, wParam};
}

// F5 anywhere; leaving the radio group tells the host of its buttons; Space checks the box.
TEST_F(CustomerDialogTest, HostHearsTheFunctionKeyTheRadioGroupAndTheFields) {
    Type({VK_F5, VK_RETURN, VK_RETURN, VK_RETURN, VK_SPACE});
    EXPECT_TRUE(test::MessagesAre({
        Host(kFuncKeyMsg, VK_F5, test::sent),
        Notification(IDC_CODE, EN_SETFOCUS),
        Host(kCheckMsg, IDC_CORPORATE, test::posted),
        Host(kCheckMsg, IDC_PRIVATE, test::posted),
        Notification(IDC_CODE, EN_KILLFOCUS),
        Notification(IDC_NAME, EN_SETFOCUS),
        Notification(IDC_NAME, EN_KILLFOCUS),
        Notification(IDC_SUSPENDED, BN_CLICKED),
    }));
    EXPECT_EQ(BST_CHECKED, SendMessageA(m_host.Item(IDC_SUSPENDED), BM_GETCHECK, 0, 0));
}

// The name field opens the input method in hiragana; what the user composes lands in it.
TEST_F(CustomerDialogTest, NameIsTypedInJapaneseThroughTheInputMethod) {
    REQUIRE_HEADLESS();
    ASSERT_EQ(1, m_sb.SetFep(IDC_NAME, 0, 0, 0, 0, 0));
    Type({VK_RETURN, VK_RETURN});
    const std::string name = test::ShiftJis(u8"山田");
    ASSERT_TRUE(test::ComposeInDialog(m_host.Dialog(), test::ShiftJis(u8"やまだ").c_str(),
                                      name.c_str(), test::ShiftJis(u8"ﾔﾏﾀﾞ").c_str()));
    char szName[32] = {};
    GetWindowTextA(m_host.Item(IDC_NAME), szName, sizeof(szName));
    EXPECT_EQ(name, szName);
}

// The name field takes the host's larger font and its text through the dialog, and the host
// finds where the field stands in its dialog.
TEST_F(CustomerDialogTest, NameFieldTakesTheHostsFontTextAndPlace) {
    CWnd* const pName = CWnd::FromHandle(m_host.Item(IDC_NAME));
    LOGFONTA lf = {};
    lf.lfHeight = -16;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    pName->SetFont(&font);
    EXPECT_EQ(static_cast<HFONT>(font), reinterpret_cast<HFONT>(pName->SendMessage(WM_GETFONT)));
    EXPECT_EQ(font.GetSafeHandle(), font.m_hObject);
    const std::string name = test::ShiftJis(u8"山田商店");
    ASSERT_TRUE(SetDlgItemTextA(m_host.Dialog(), IDC_NAME, name.c_str()));
    char szName[32] = {};
    EXPECT_EQ(name.size(), GetDlgItemTextA(m_host.Dialog(), IDC_NAME, szName, sizeof(szName)));
    EXPECT_EQ(name, szName);
    RECT rc;
    GetWindowRect(pName->GetSafeHwnd(), &rc);
    POINT pt = {rc.left, rc.top};
    ScreenToClient(m_host.Dialog(), &pt);
    CWnd::FromHandle(m_host.Dialog())->ScreenToClient(&rc);
    EXPECT_EQ(pt.x, rc.left);
    EXPECT_EQ(pt.y, rc.top);
    pName->SetFont(nullptr);
}

// The host asks before it drops the customer; the test answers the box as the user would.
TEST_F(CustomerDialogTest, ConfirmationIsAnsweredByTheTest) {
    REQUIRE_HEADLESS(); // a real box waits for its user
    test::Headless()->AnswerMessageBoxes(IDNO);
    EXPECT_EQ(IDNO,
              MessageBoxA(m_host.Dialog(), test::ShiftJis(u8"この得意先を削除しますか？").c_str(),
                          nullptr, MB_YESNO));
    test::Headless()->AnswerMessageBoxes(0);
    EXPECT_EQ(m_host.Dialog(), GetActiveWindow());
}

// A host's search dialog: its own class made from the dialog class, ended with its result, and the
// host's loop over GetMessage ending with the quit message the host posts then.
TEST(HostDialogClassTest, OwnDialogClassEndsWithItsResultAndTheLoopWithQuit) {
    WNDCLASSA dialogClass = {};
    ASSERT_TRUE(GetClassInfoA(nullptr, WC_DIALOG, &dialogClass));
    WNDCLASSEXA wc = {sizeof(WNDCLASSEXA)};
    wc.lpfnWndProc = dialogClass.lpfnWndProc;
    wc.cbWndExtra = dialogClass.cbWndExtra;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ConsumerSearch";
    ASSERT_NE(0, RegisterClassExA(&wc));
    const HWND hSearch = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                                         100, nullptr, nullptr, wc.hInstance, nullptr);
    EXPECT_TRUE(EndDialog(hSearch, IDOK));
    EXPECT_FALSE(IsWindowVisible(hSearch));
    PostQuitMessage(0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
    DestroyWindow(hSearch);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

} // namespace
