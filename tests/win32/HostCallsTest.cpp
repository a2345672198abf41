// Calls of a host's dialog code at their edges: code page conversion, a window's bytes and client
// area, classes, resources, system brushes, the message loop, the characters of keys and of the
// input method, the word sort. (The other calls of a host's dialog code:
// examples/consumer/consumer_test.cpp.)
#include "ControlHost.h"
#include "HostDialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

BOOL CALLBACK CountName(HMODULE, LPCSTR, LPSTR, LONG_PTR lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// A window that leaves its activation unhandled is still given the focus when it is activated.
LRESULT CALLBACK IgnoringActivation(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_ACTIVATE ? 0 : DefWindowProcA(hwnd, message, wParam, lParam);
}

// Each call's answer, the error it sets (0: none asked) and the first bytes of the buffer it was
// given, '#' where it wrote nothing.
TEST(HostCallsTest, CallsAnswerAsWin32AtTheirEdges) {
    test::ParentWindow parent;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.cbWndExtra = sizeof(LONG);
    wc.lpszClassName = "HostCallsBytes";
    ASSERT_NE(0, RegisterClassA(&wc));
    const HWND hwnd =
        parent.Create(wc.lpszClassName, WS_VSCROLL | WS_BORDER, 0, "", WS_EX_CLIENTEDGE);
    const HWND list = parent.Create("ComboBox", CBS_DROPDOWNLIST, 0);
    SendMessageA(list, CB_ADDSTRING, 0, test::Text("abc"));
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    const HWND button = parent.Create("Button", BS_PUSHBUTTON, 0);
    const HWND edit = parent.Create("Edit", 0, 0);
    const HDC hdc = GetDC(hwnd);
    const HBRUSH hSystem = GetSysColorBrush(COLOR_WINDOW);
    const WCHAR kText[] = {'a', 0x3042}; // "aあ", あ being 0x82 0xA0
    char buffer[4];
    WCHAR wide[2] = {};
    RECT rc;
    SIZE size;
    int nDialogs = 0;
    WNDCLASSA negative = wc;
    negative.cbWndExtra = -1;
    negative.lpszClassName = "HostCallsNegative";
    const struct {
        const char* name;
        std::function<LONG_PTR()> call;
        LONG_PTR result;
        DWORD error = 0;
        const char* pszBuffer = "####";
    } cases[] = {
        {"ConvertIntoAnExactFit",
         [&] { return WideCharToMultiByte(932, 0, kText, 2, buffer, 3, nullptr, nullptr); }, 3, 0,
         "a\x82\xA0#"},
        {"ConvertIntoAByteTooFew",
         [&] { return WideCharToMultiByte(932, 0, kText, 2, buffer, 2, nullptr, nullptr); }, 0,
         ERROR_INSUFFICIENT_BUFFER, "a###"},
        {"DecodeA0", [&] { return MultiByteToWideChar(932, 0, "\xA0", 1, wide, 2); }, 1},
        {"DecodedA0", [&] { return wide[0]; }, 0xF8F0},
        {"Decode80", [&] { return MultiByteToWideChar(932, 0, "\x80", 1, wide, 2) * wide[0]; },
         0x80},
        {"DroppedListShowsTheSelection",
         [&] {
             const HWND hLong = parent.Create("ComboBox", CBS_DROPDOWNLIST, 0);
             for (int i = 0; i < 30; ++i)
                 SendMessageA(hLong, CB_ADDSTRING, 0, test::Text("row"));
             SendMessageA(hLong, CB_SETCURSEL, 20, 0);
             SendMessageA(hLong, CB_SHOWDROPDOWN, TRUE, 0);
             COMBOBOXINFO info = {};
             info.cbSize = sizeof(info);
             return GetComboBoxInfo(hLong, &info) &&
                    SendMessageA(info.hwndList, LB_GETTOPINDEX, 0, 0) > 0;
         },
         TRUE},
        {"ListBoxTellsItsFocusLoss",
         [&] {
             SetFocus(parent.Create("ListBox", LBS_NOTIFY, 0));
             test::ClearMessages();
             SetFocus(edit);
             for (const test::RecordedMessage& msg : test::RecordedMessages())
                 if (msg.message == WM_COMMAND && HIWORD(msg.wParam) == LBN_KILLFOCUS)
                     return TRUE;
             return FALSE;
         },
         TRUE},
        {"ListTextIntoNoRoom",
         [&] { return SendMessageA(list, WM_GETTEXT, 0, test::Text(buffer)); }, 0},
        {"ListTextOfNoRow", [&] { return SendMessageA(list, CB_GETLBTEXT, 1, test::Text(buffer)); },
         CB_ERR},
        {"ButtonText", [&] { return SetWindowTextA(button, "b"); }, TRUE},
        {"EditLimit", [&] { return SendMessageA(edit, EM_GETLIMITTEXT, 0, 0); }, 30000},
        {"GetMessageTakesEachPostedOnceInOrder",
         [&] {
             MSG first, second;
             PostMessageA(hwnd, WM_APP, 1, 0);
             PostMessageA(hwnd, WM_APP, 2, 0);
             return GetMessageA(&first, hwnd, WM_APP, WM_APP) &&
                            GetMessageA(&second, hwnd, WM_APP, WM_APP)
                        ? first.wParam * 10 + second.wParam
                        : 0;
         },
         12},
        {"ImeCharacterPostedAsCharactersLeadByteFirst",
         [&] {
             SendMessageA(hwnd, WM_IME_CHAR, 0x82A0, 1);
             MSG lead, trail;
             return PeekMessageA(&lead, hwnd, WM_CHAR, WM_CHAR, PM_REMOVE) &&
                            PeekMessageA(&trail, hwnd, WM_CHAR, WM_CHAR, PM_REMOVE)
                        ? lead.wParam << 8 | trail.wParam
                        : 0;
         },
         0x82A0},
        {"KeyReleaseFlagsOfInput",
         [&] {
             SetFocus(hwnd);
             keybd_event('A', 0x1E, KEYEVENTF_KEYUP, 0);
             MSG msg;
             return PeekMessageA(&msg, hwnd, WM_KEYUP, WM_KEYUP, PM_REMOVE) ? msg.lParam : 0;
         },
         static_cast<LONG_PTR>(0xC01E0001u)},
        {"CharactersOfKeysTranslated",
         [&] {
             std::string typed;
             for (UINT vk : std::initializer_list<UINT>{
                      'A', 'Z', '0', '9', VK_SPACE, VK_RETURN, VK_BACK, VK_TAB, VK_ESCAPE,
                      VK_SUBTRACT, VK_DECIMAL, VK_OEM_MINUS, VK_OEM_COMMA, VK_OEM_PERIOD,
                      VK_OEM_PLUS, VK_F5, VK_LEFT, VK_DELETE, VK_NUMPAD0}) {
                 const MSG key = {hwnd, WM_KEYDOWN, vk, 1, 0, {0, 0}};
                 MSG msg;
                 typed +=
                     TranslateMessage(&key) && PeekMessageA(&msg, hwnd, WM_CHAR, WM_CHAR, PM_REMOVE)
                         ? static_cast<char>(msg.wParam)
                         : '_';
             }
             return typed == "az09 \r\b\t\x1b-.-,.=____";
         },
         TRUE},
        {"SetBytes", [&] { return SetWindowLongA(hwnd, 0, 7); }, 0},
        {"GetBytes", [&] { return GetWindowLongA(hwnd, 0); }, 7},
        {"GetBytesPastTheEnd", [&] { return GetWindowLongA(hwnd, 1); }, 0, ERROR_INVALID_INDEX},
        {"SetBytesPastTheEnd", [&] { return SetWindowLongA(hwnd, 1, 5); }, 0, ERROR_INVALID_INDEX},
        {"ClientInsideTheEdgesBesideTheScrollBar",
         [&] {
             return GetClientRect(hwnd, &rc) *
                    (rc.right + GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXBORDER) +
                     2 * GetSystemMetrics(SM_CXEDGE));
         },
         100},
        {"ActivatingAnotherWindowTakesTheFocus",
         [&] {
             const HWND hOther = test::CreateHostWindow("other", IgnoringActivation);
             SetFocus(edit);
             SetActiveWindow(hOther);
             const bool bTaken = GetFocus() == hOther;
             DestroyWindow(hOther);
             return bTaken;
         },
         TRUE},
        {"TopmostUndone",
         [&] {
             for (HWND hwndAfter : {HWND_TOPMOST, HWND_NOTOPMOST})
                 SetWindowPos(parent.Handle(), hwndAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
             return GetWindowLongA(parent.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST;
         },
         0},
        {"QuitWithItsCode",
         [] {
             PostQuitMessage(3);
             MSG msg;
             return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? msg.wParam : 0;
         },
         3},
        {"RectOfNoWindow", [&] { return GetWindowRect(nullptr, &rc); }, FALSE},
        {"BytesOfNoWindow", [] { return SetWindowLongA(nullptr, 0, 5); }, 0},
        {"Invalidate", [&] { return InvalidateRect(hwnd, nullptr, TRUE); }, TRUE},
        {"DialogUnitsBothEdges",
         [&] {
             const HWND hDlg = CreateDialogParamA(test::ProgramModule(), MAKEINTRESOURCEA(102),
                                                  parent.Handle(), nullptr, 0);
             rc = {4, 8, 4, 8};
             MapDialogRect(hDlg, &rc);
             DestroyWindow(hDlg);
             return rc.left == rc.right && rc.top == rc.bottom && rc.left > 4;
         },
         TRUE},
        {"ClassTwice", [&] { return RegisterClassA(&wc); }, 0, ERROR_CLASS_ALREADY_EXISTS},
        {"ClassNameCut", [&] { return GetClassNameA(button, buffer, 3); }, 2, 0, "Bu\0#"},
        {"ClassOfNegativeBytes", [&] { return RegisterClassA(&negative); }, 0,
         ERROR_INVALID_PARAMETER},
        {"NamedResourceInAnyCase",
         [] { return FindResourceA(test::ProgramModule(), "named", RT_RCDATA) != nullptr; }, TRUE},
        {"MissingDataFile",
         [] { return LoadLibraryExA("missing.res", nullptr, LOAD_LIBRARY_AS_DATAFILE) != nullptr; },
         FALSE, ERROR_FILE_NOT_FOUND},
        {"SystemBrushOutlivesDeleting",
         [&] { return DeleteObject(hSystem) && DeleteObject(hSystem); }, TRUE},
        {"BrushPastTheSystemColours", [] { return GetSysColorBrush(COLOR_MENUBAR + 1) != nullptr; },
         FALSE},
        {"TextOut", [&] { return ExtTextOutA(hdc, 0, 0, 0, nullptr, "a", 1, nullptr); }, TRUE},
        {"PlainTextOut", [&] { return TextOutA(hdc, 0, 0, "a", 1); }, TRUE},
        {"ExtentOfANegativeCount", [&] { return GetTextExtentPoint32A(hdc, "a", -1, &size); },
         FALSE},
        {"DialogsEnumerated",
         [&] {
             return EnumResourceNamesA(test::ProgramModule(), RT_DIALOG, CountName,
                                       reinterpret_cast<LONG_PTR>(&nDialogs)) &&
                    nDialogs > 0;
         },
         TRUE},
        {"MulDivByZero", [] { return MulDiv(7, 2, 0); }, -1},
        {"WordSortAfter", [] { return lstrcmpiA("b", "A"); }, 1},
        {"WordSortPastAControlCharacter", [] { return lstrcmpiA("a\1b", "A\1C"); }, -1},
        {"WordSortNullFirst", [] { return lstrcmpiA(nullptr, "a"); }, -1},
    };
    for (const auto& c : cases) {
        std::memset(buffer, '#', sizeof(buffer));
        SetLastError(0);
        EXPECT_EQ(c.result, c.call()) << c.name;
        EXPECT_TRUE(c.error == 0 || c.error == GetLastError()) << c.name << " " << GetLastError();
        EXPECT_EQ(0, std::memcmp(c.pszBuffer, buffer, sizeof(buffer))) << c.name;
    }
    ReleaseDC(hwnd, hdc);
    DestroyWindow(hwnd);
    EXPECT_TRUE(UnregisterClassA(wc.lpszClassName, nullptr));
}

} // namespace
