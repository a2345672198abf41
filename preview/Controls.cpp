// Reading the state of the standard controls.
#include "Controls.h"

#include <strings.h>

namespace {

bool IsClass(HWND hwnd, const char* pszClass) {
    char szClass[32];
    return GetClassNameA(hwnd, szClass, sizeof(szClass)) > 0 && strcasecmp(szClass, pszClass) == 0;
}

ControlKind ButtonKind(LONG style) {
    switch (style & 0x0F) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return ControlKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return ControlKind::RadioButton;
    case BS_GROUPBOX:
        return ControlKind::GroupBox;
    }
    return ControlKind::PushButton;
}

std::string RowText(HWND hwnd, bool bCombo, int nRow) {
    const LRESULT cb = SendMessageA(hwnd, bCombo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, nRow, 0);
    if (cb < 0)
        return std::string();
    std::string text(static_cast<size_t>(cb) + 1, '\0');
    const LRESULT cbCopied = SendMessageA(hwnd, bCombo ? CB_GETLBTEXT : LB_GETTEXT, nRow,
                                          reinterpret_cast<LPARAM>(&text[0]));
    text.resize(cbCopied > 0 ? static_cast<size_t>(cbCopied) : 0);
    return text;
}

} // namespace

ControlKind KindOf(HWND hwnd) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if (IsClass(hwnd, "Button"))
        return ButtonKind(style);
    if (IsClass(hwnd, "Edit"))
        return ControlKind::Edit;
    if (IsClass(hwnd, "Static"))
        return (style & SS_SUNKEN) ? ControlKind::Field : ControlKind::Label;
    if (IsClass(hwnd, "ComboBox"))
        return ControlKind::ComboBox;
    if (IsClass(hwnd, "ListBox"))
        return ControlKind::ListBox;
    return ControlKind::Other;
}

std::string Caption(HWND hwnd) {
    const int cch = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(cch) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, &text[0], cch + 1)));
    const size_t nMarker = text.find_first_of("\x1E\x1F");
    const size_t nOpen = nMarker == std::string::npos ? nMarker : text.rfind('(', nMarker);
    if (nOpen != std::string::npos) {
        const size_t nClose = text.find(')', nMarker);
        text.erase(nOpen, nClose == std::string::npos ? nClose : nClose - nOpen + 1);
    }
    for (char& ch : text) {
        if (ch == '\r' || ch == '\n' || ch == '\t')
            ch = ' ';
    }
    return text;
}

int CaretOf(HWND hwnd) {
    DWORD dwEnd = 0;
    SendMessageA(hwnd, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&dwEnd));
    return static_cast<int>(dwEnd);
}

int SelectedRow(HWND hwnd) {
    return static_cast<int>(SendMessageA(
        hwnd, KindOf(hwnd) == ControlKind::ComboBox ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

std::vector<std::string> Rows(HWND hwnd) {
    const bool bCombo = KindOf(hwnd) == ControlKind::ComboBox;
    const LRESULT nRows = SendMessageA(hwnd, bCombo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    std::vector<std::string> rows;
    for (int i = 0; i < nRows; ++i) {
        std::string row = RowText(hwnd, bCombo, i);
        for (char& ch : row) {
            if (ch == '\t')
                ch = ' ';
        }
        rows.push_back(row);
    }
    return rows;
}

bool HoldsValue(ControlKind kind) {
    return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton ||
           kind == ControlKind::Edit || kind == ControlKind::ComboBox ||
           kind == ControlKind::ListBox;
}

std::string ValueOf(HWND hwnd) {
    switch (KindOf(hwnd)) {
    case ControlKind::CheckBox: {
        const LRESULT nCheck = SendMessageA(hwnd, BM_GETCHECK, 0, 0);
        return std::string(nCheck == BST_CHECKED         ? "[x] "
                           : nCheck == BST_INDETERMINATE ? "[-] "
                                                         : "[ ] ") +
               Caption(hwnd);
    }
    case ControlKind::RadioButton:
        return std::string(SendMessageA(hwnd, BM_GETCHECK, 0, 0) ? "(*) " : "( ) ") + Caption(hwnd);
    case ControlKind::ComboBox:
    case ControlKind::ListBox: {
        const int nRow = SelectedRow(hwnd);
        const std::vector<std::string> rows = Rows(hwnd);
        return nRow >= 0 && nRow < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(nRow)]
                                                                 : std::string();
    }
    default:
        return Caption(hwnd);
    }
}
