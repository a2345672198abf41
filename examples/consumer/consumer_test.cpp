// The host's test of its customer dialog with the package's test harness: the controller attached
// as the application attaches it, keys typed through the dialog loop as a user types them, and
// what the dialog received compared with what the host expects.
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

} // namespace
