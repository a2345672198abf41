// Reading the state of the standard controls.
#include "Controls.h"

#include <imm.h>
#include <strings.h>

#include <algorithm>

#include <limits>

namespace {

bool IsClass(HWND hwnd, const char* pszClass) {
    return strcasecmp(ClassNameOf(hwnd).c_str(), pszClass) == 0;
}

// Buttons and statics draw '&' as the mark of a mnemonic, as DrawText does without
// DT_NOPREFIX; edits and lists show it as it is.
bool DrawsMnemonics(HWND hwnd) {
    if (IsClass(hwnd, "Button"))
        return true;
    return IsClass(hwnd, "Static") && !(GetWindowLongA(hwnd, GWL_STYLE) & SS_NOPREFIX);
}

// Without the host's key markers: a parenthesised group holding 0x1E or 0x1F.
std::string WithoutKeyMarkers(std::string text) {
    const size_t nMarker = text.find_first_of("\x1E\x1F");
    const size_t nOpen = nMarker == std::string::npos ? nMarker : text.rfind('(', nMarker);
    if (nOpen != std::string::npos) {
        const size_t nClose = text.find(')', nMarker);
        text.erase(nOpen, nClose == std::string::npos ? nClose : nClose - nOpen + 1);
    }
    return text;
}

// '&' never is the second byte of a double-byte character, whose second bytes start at 0x40.
std::string WithoutMnemonicMarks(const std::string& text, int* pnMnemonic) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && *pnMnemonic < 0)
                *pnMnemonic = static_cast<int>(shown.size());
        }
        shown += text[i];
    }
    return shown;
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
    if (IsClass(hwnd, "ScrollBar"))
        return ControlKind::ScrollBar;
    return ControlKind::Other;
}

std::string ClassNameOf(HWND hwnd) {
    char szClass[256] = "";
    GetClassNameA(hwnd, szClass, sizeof(szClass));
    return szClass;
}

std::string ShownText(HWND hwnd, int* pnMnemonic) {
    int nMnemonic = -1;
    const int cch = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(cch) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, &text[0], cch + 1)));
    text = WithoutKeyMarkers(text);
    if (DrawsMnemonics(hwnd))
        text = WithoutMnemonicMarks(text, &nMnemonic);
    if (pnMnemonic != nullptr)
        *pnMnemonic = nMnemonic;
    return text;
}

std::string OneLine(std::string text) {
    for (char& ch : text) {
        if (ch == '\r' || ch == '\n' || ch == '\t')
            ch = ' ';
    }
    return text;
}

std::string Caption(HWND hwnd) {
    return OneLine(ShownText(hwnd));
}

std::string CompositionOf(HWND hwnd) {
    const HIMC hIMC = ImmGetContext(hwnd);
    if (hIMC == nullptr)
        return std::string();
    const LONG cb = ImmGetCompositionStringA(hIMC, GCS_COMPSTR, nullptr, 0);
    std::string text(static_cast<size_t>(std::max<LONG>(cb, 0)), '\0');
    if (cb > 0)
        ImmGetCompositionStringA(hIMC, GCS_COMPSTR, &text[0], static_cast<DWORD>(cb));
    ImmReleaseContext(hwnd, hIMC);
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

namespace {

RECT RectInParent(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

bool Overlap(LONG a0, LONG a1, LONG b0, LONG b1) {
    return a0 < b1 && b0 < a1;
}

} // namespace

std::string LabelOf(HWND hwnd) {
    const RECT field = RectInParent(hwnd);
    HWND hwndLeft = nullptr, hwndAbove = nullptr;
    LONG xLeft = std::numeric_limits<LONG>::min(), yAbove = xLeft;
    for (HWND h = GetWindow(GetParent(hwnd), GW_CHILD); h != nullptr;
         h = GetWindow(h, GW_HWNDNEXT)) {
        if (KindOf(h) != ControlKind::Label || !IsWindowVisible(h) || Caption(h).empty())
            continue;
        const RECT rc = RectInParent(h);
        if (rc.right <= field.left && Overlap(rc.top, rc.bottom, field.top, field.bottom) &&
            rc.right > xLeft) {
            hwndLeft = h;
            xLeft = rc.right;
        } else if (rc.bottom <= field.top && field.top - rc.bottom <= field.bottom - field.top &&
                   Overlap(rc.left, rc.right, field.left, field.right) && rc.bottom > yAbove) {
            hwndAbove = h;
            yAbove = rc.bottom;
        }
    }
    const HWND hwndLabel = hwndLeft != nullptr ? hwndLeft : hwndAbove;
    return hwndLabel != nullptr ? Caption(hwndLabel) : std::string();
}

bool HoldsValue(ControlKind kind) {
    return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton ||
           kind == ControlKind::Edit || kind == ControlKind::ComboBox ||
           kind == ControlKind::ListBox;
}

std::string CheckGlyph(HWND hwnd) {
    const LRESULT nCheck = SendMessageA(hwnd, BM_GETCHECK, 0, 0);
    if (KindOf(hwnd) == ControlKind::RadioButton)
        return nCheck != BST_UNCHECKED ? "(*)" : "( )";
    return nCheck == BST_CHECKED ? "[x]" : nCheck == BST_INDETERMINATE ? "[-]" : "[ ]";
}

std::string ValueOf(HWND hwnd) {
    switch (KindOf(hwnd)) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return CheckGlyph(hwnd) + " " + Caption(hwnd);
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
