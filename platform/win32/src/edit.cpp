// Edit controls, single-line and multi-line: text in code page 932 bytes with a caret and a
// selection that never split a double-byte character, typing, deleting and caret keys, the
// text limit, and the notifications to the parent.
#include "builtin_classes.h"
#include "controls.h"
#include "dbcs.h"

#include <algorithm>
#include <string_view>

namespace headless {
namespace {

// Limits in bytes: the initial one, and what a limit of 0 stands for.
constexpr DWORD kInitialLimit = 30000;
constexpr DWORD kMaxSingleLineLimit = 0x7FFFFFFE;
constexpr DWORD kMaxMultiLineLimit = 0xFFFFFFFF;

const char kLineBreak[] = "\r\n";

struct EditState {
    HWND self = nullptr;
    size_t nAnchor = 0; // where the selection started
    size_t nCaret = 0;  // the other end of the selection, where the caret is
    DWORD dwLimit = kInitialLimit;
    BYTE chPendingLead = 0; // the lead byte of a double-byte character typed in two WM_CHARs
    HFONT hFont = nullptr;
    // A dialog manager asked for the dialog code with a key message: from then on a multi-line
    // edit leaves Tab, Escape and (without ES_WANTRETURN) Enter to its dialog, as Wine's does.
    bool bDialogMode = false;
};

std::string& TextBuffer(HWND hwnd) {
    return FindWindowPtr(hwnd)->text;
}

bool IsMultiLine(HWND hwnd) {
    return (StyleOf(hwnd) & ES_MULTILINE) != 0;
}

size_t SelectionStart(const EditState& state) {
    return std::min(state.nAnchor, state.nCaret);
}

size_t SelectionEnd(const EditState& state) {
    return std::max(state.nAnchor, state.nCaret);
}

// The start of the character that holds byte nPos: a position inside a double-byte
// character moves back to its lead byte.
size_t CharStart(std::string_view text, size_t nPos) {
    size_t nAt = 0;
    while (nAt < nPos) {
        const size_t nNext = nAt + CharLength932(&text[nAt], text.size() - nAt);
        if (nNext > nPos)
            return nAt;
        nAt = nNext;
    }
    return nPos;
}

bool IsLineBreakAt(const std::string& text, size_t nPos) {
    return text.compare(nPos, 2, kLineBreak) == 0;
}

// One character back or forward; a line break counts as one.
size_t PreviousPosition(const std::string& text, size_t nPos) {
    if (nPos == 0)
        return 0;
    if (nPos >= 2 && IsLineBreakAt(text, nPos - 2))
        return nPos - 2;
    return CharStart(text, nPos - 1);
}

size_t NextPosition(const std::string& text, size_t nPos) {
    if (nPos >= text.size())
        return text.size();
    if (IsLineBreakAt(text, nPos))
        return nPos + 2;
    return nPos + CharLength932(&text[nPos], text.size() - nPos);
}

size_t LineStart(const std::string& text, size_t nPos) {
    const size_t nBreak = nPos >= 2 ? text.rfind(kLineBreak, nPos - 2) : std::string::npos;
    return nBreak == std::string::npos ? 0 : nBreak + 2;
}

size_t LineEnd(const std::string& text, size_t nPos) {
    const size_t nBreak = text.find(kLineBreak, nPos);
    return nBreak == std::string::npos ? text.size() : nBreak;
}

void SetCaret(HWND hwnd, EditState* pState, size_t nPos) {
    pState->nAnchor = pState->nCaret = nPos;
    InvalidateRect(hwnd, nullptr, TRUE);
}

// EN_UPDATE once the text is laid out, EN_CHANGE once it is shown; the parent may destroy the
// control in between.
void NotifyTextChanged(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_UPDATE);
    if (IsWindow(hwnd))
        NotifyParent(hwnd, EN_CHANGE);
}

// Replaces the selection with as much of the text as the limit leaves room for, never half a
// double-byte character; the caret ends after the inserted text.
void ReplaceSelection(HWND hwnd, EditState* pState, std::string_view insert) {
    std::string& text = TextBuffer(hwnd);
    const size_t nStart = SelectionStart(*pState);
    const size_t nSelected = SelectionEnd(*pState) - nStart;
    const size_t nKept = text.size() - nSelected;
    const size_t nRoom = nKept < pState->dwLimit ? pState->dwLimit - nKept : 0;
    const size_t nInsert =
        insert.size() <= nRoom ? insert.size() : CharStart(insert, std::min(nRoom, insert.size()));
    if (!GrowStorage([&] { text.replace(nStart, nSelected, insert.substr(0, nInsert)); })) {
        NotifyParent(hwnd, EN_ERRSPACE);
        return;
    }
    pState->nAnchor = pState->nCaret = nStart + nInsert;
    if (nInsert < insert.size())
        NotifyParent(hwnd, EN_MAXTEXT);
    if ((nInsert > 0 || nSelected > 0) && IsWindow(hwnd))
        NotifyTextChanged(hwnd);
}

void DeleteRange(HWND hwnd, EditState* pState, size_t nFrom, size_t nTo) {
    if (nFrom == nTo)
        return;
    pState->nAnchor = nFrom;
    pState->nCaret = nTo;
    ReplaceSelection(hwnd, pState, {});
}

void DeleteBackward(HWND hwnd, EditState* pState) {
    if (pState->nAnchor != pState->nCaret)
        ReplaceSelection(hwnd, pState, {});
    else
        DeleteRange(hwnd, pState, PreviousPosition(TextBuffer(hwnd), pState->nCaret),
                    pState->nCaret);
}

void DeleteForward(HWND hwnd, EditState* pState) {
    if (pState->nAnchor != pState->nCaret)
        ReplaceSelection(hwnd, pState, {});
    else
        DeleteRange(hwnd, pState, pState->nCaret, NextPosition(TextBuffer(hwnd), pState->nCaret));
}

// Up and Down keep the caret's column in the line above or below, or go to that line's end.
size_t PositionInOtherLine(const std::string& text, size_t nCaret, bool bDown) {
    const size_t nStart = LineStart(text, nCaret);
    const size_t nColumn = nCaret - nStart;
    size_t nOtherStart = 0;
    if (bDown) {
        const size_t nEnd = LineEnd(text, nCaret);
        if (nEnd == text.size())
            return nCaret;
        nOtherStart = nEnd + 2;
    } else {
        if (nStart == 0)
            return nCaret;
        nOtherStart = LineStart(text, nStart - 2);
    }
    const size_t nOtherEnd = LineEnd(text, nOtherStart);
    return CharStart(text, std::min(nOtherStart + nColumn, nOtherEnd));
}

// Enter goes to the dialog's default button: the focus moves there and the button gets the
// key.
void PressDefaultButton(HWND hwndDlg) {
    const LRESULT defId = SendMessageA(hwndDlg, DM_GETDEFID, 0, 0);
    const HWND hwndDefault =
        HIWORD(defId) == DC_HASDEFID ? GetDlgItem(hwndDlg, LOWORD(defId)) : nullptr;
    if (hwndDefault == nullptr)
        return;
    SendMessageA(hwndDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hwndDefault), TRUE);
    PostMessageA(hwndDefault, WM_KEYDOWN, VK_RETURN, 0);
}

void OnDialogKey(HWND hwnd, WPARAM vk) {
    const HWND hwndDlg = GetParent(hwnd);
    if (vk == VK_TAB)
        SendMessageA(hwndDlg, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) & 0x8000, 0);
    else if (vk == VK_ESCAPE)
        PostMessageA(hwndDlg, WM_CLOSE, 0, 0);
    else if (vk == VK_RETURN && !(StyleOf(hwnd) & ES_WANTRETURN))
        PressDefaultButton(hwndDlg);
}

// A single-line edit takes Up and Down as Left and Right.
LRESULT OnKeyDown(HWND hwnd, EditState* pState, WPARAM vk) {
    const std::string& text = TextBuffer(hwnd);
    const bool bMultiLine = IsMultiLine(hwnd);
    if (bMultiLine && pState->bDialogMode)
        OnDialogKey(hwnd, vk);
    switch (vk) {
    case VK_LEFT:
        SetCaret(hwnd, pState, PreviousPosition(text, pState->nCaret));
        break;
    case VK_RIGHT:
        SetCaret(hwnd, pState, NextPosition(text, pState->nCaret));
        break;
    case VK_UP:
    case VK_DOWN:
        if (bMultiLine)
            SetCaret(hwnd, pState, PositionInOtherLine(text, pState->nCaret, vk == VK_DOWN));
        else if (vk == VK_UP)
            SetCaret(hwnd, pState, PreviousPosition(text, pState->nCaret));
        else
            SetCaret(hwnd, pState, NextPosition(text, pState->nCaret));
        break;
    case VK_HOME:
        SetCaret(hwnd, pState, bMultiLine ? LineStart(text, pState->nCaret) : 0);
        break;
    case VK_END:
        SetCaret(hwnd, pState, bMultiLine ? LineEnd(text, pState->nCaret) : text.size());
        break;
    case VK_DELETE:
        if (!(StyleOf(hwnd) & ES_READONLY))
            DeleteForward(hwnd, pState);
        break;
    }
    return 0;
}

bool IsDigit(BYTE ch) {
    return ch >= '0' && ch <= '9';
}

// Control characters other than these edit nothing; a multi-line edit takes line breaks and
// tabs as text, unless it leaves those keys to its dialog.
void OnControlCharacter(HWND hwnd, EditState* pState, BYTE ch) {
    const bool bMultiLine = IsMultiLine(hwnd);
    const bool bWantReturn = !pState->bDialogMode || (StyleOf(hwnd) & ES_WANTRETURN);
    if (ch == VK_BACK)
        DeleteBackward(hwnd, pState);
    else if (bMultiLine && bWantReturn && (ch == '\r' || ch == '\n'))
        ReplaceSelection(hwnd, pState, kLineBreak);
    else if (bMultiLine && !pState->bDialogMode && ch == '\t')
        ReplaceSelection(hwnd, pState, "\t");
}

// A double-byte character arrives as two WM_CHARs, lead byte first, and is inserted whole.
LRESULT OnChar(HWND hwnd, EditState* pState, WPARAM wChar) {
    const BYTE ch = static_cast<BYTE>(wChar);
    const DWORD style = StyleOf(hwnd);
    if (style & ES_READONLY)
        return TRUE;
    // A number edit takes digits only.
    if (pState->chPendingLead != 0) {
        const char typed[2] = {static_cast<char>(pState->chPendingLead), static_cast<char>(ch)};
        pState->chPendingLead = 0;
        if (!(style & ES_NUMBER))
            ReplaceSelection(hwnd, pState, std::string_view(typed, 2));
        return TRUE;
    }
    if (IsLeadByte932(ch)) {
        pState->chPendingLead = ch;
        return TRUE;
    }
    if (ch < 0x20 || ch == 0x7F) {
        OnControlCharacter(hwnd, pState, ch);
        return TRUE;
    }
    const char typed = static_cast<char>(ch);
    if (!(style & ES_NUMBER) || IsDigit(ch))
        ReplaceSelection(hwnd, pState, std::string_view(&typed, 1));
    return TRUE;
}

// A start of -1 drops the selection and keeps the caret; an end beyond the text, or
// negative, is the end of the text.
LRESULT OnSetSel(HWND hwnd, EditState* pState, WPARAM wStart, LPARAM lEnd) {
    const std::string& text = TextBuffer(hwnd);
    const UINT uStart = static_cast<UINT>(wStart);
    if (uStart == static_cast<UINT>(-1)) {
        pState->nAnchor = pState->nCaret;
    } else {
        pState->nAnchor = CharStart(text, std::min<size_t>(uStart, text.size()));
        pState->nCaret = CharStart(text, std::min<size_t>(static_cast<UINT>(lEnd), text.size()));
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

// Positions above 65535 do not fit the result, which is then -1.
LRESULT OnGetSel(const EditState& state, WPARAM wpStart, LPARAM lpEnd) {
    const size_t nStart = SelectionStart(state);
    const size_t nEnd = SelectionEnd(state);
    if (DWORD* pStart = reinterpret_cast<DWORD*>(wpStart))
        *pStart = static_cast<DWORD>(nStart);
    if (DWORD* pEnd = reinterpret_cast<DWORD*>(lpEnd))
        *pEnd = static_cast<DWORD>(nEnd);
    if (nStart > 0xFFFF || nEnd > 0xFFFF)
        return -1;
    return MAKELONG(nStart, nEnd);
}

LRESULT OnLimitText(HWND hwnd, EditState* pState, WPARAM wLimit) {
    if (wLimit != 0)
        pState->dwLimit = static_cast<DWORD>(wLimit);
    else
        pState->dwLimit = IsMultiLine(hwnd) ? kMaxMultiLineLimit : kMaxSingleLineLimit;
    return 0;
}

LRESULT OnSetReadOnly(HWND hwnd, WPARAM bReadOnly) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    SetWindowLongA(hwnd, GWL_STYLE, bReadOnly ? style | ES_READONLY : style & ~ES_READONLY);
    return TRUE;
}

// The caret goes to the start. A multi-line edit does not report text set this way.
LRESULT OnSetText(HWND hwnd, EditState* pState, LPARAM lParam) {
    if (!DefWindowProcA(hwnd, WM_SETTEXT, 0, lParam))
        return FALSE;
    pState->chPendingLead = 0;
    SetCaret(hwnd, pState, 0);
    if (!IsMultiLine(hwnd))
        NotifyTextChanged(hwnd);
    return TRUE;
}

LRESULT OnSetFocus(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_SETFOCUS);
    return 0;
}

LRESULT OnKillFocus(HWND hwnd, EditState* pState) {
    pState->chPendingLead = 0;
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_KILLFOCUS);
    return 0;
}

LRESULT OnGetDlgCode(HWND hwnd, EditState* pState, LPARAM lpMsg) {
    if (lpMsg != 0)
        pState->bDialogMode = true;
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (IsMultiLine(hwnd))
        code |= DLGC_WANTALLKEYS;
    if (ComboWantsDialogKey(hwnd, reinterpret_cast<const MSG*>(lpMsg)))
        code |= DLGC_WANTMESSAGE;
    return code;
}

int LineX(DWORD style, const RECT& rcClient, int cxLine) {
    if (style & ES_RIGHT)
        return rcClient.right - cxLine;
    if (style & ES_CENTER)
        return (rcClient.right - cxLine) / 2;
    return 0;
}

// A read-only or disabled edit is coloured as a static, as since Windows XP.
LRESULT OnPaint(HWND hwnd, const EditState& state, HDC hdcGiven) {
    ControlPaint paint(hwnd, hdcGiven, state.hFont);
    const HDC hdc = paint.Dc();
    const RECT rc = paint.Client();
    const DWORD style = StyleOf(hwnd);
    const bool bStatic = (style & ES_READONLY) || !IsWindowEnabled(hwnd);
    FillRect(hdc, &rc, ParentBrush(hwnd, hdc, bStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT));
    if (!IsWindowEnabled(hwnd))
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    TEXTMETRICA tm = {};
    GetTextMetricsA(hdc, &tm);
    const std::string& text = TextOf(hwnd);
    int y = 0;
    for (size_t nStart = 0; nStart <= text.size(); y += tm.tmHeight) {
        const size_t nEnd = IsMultiLine(hwnd) ? LineEnd(text, nStart) : text.size();
        const int cb = static_cast<int>(nEnd - nStart);
        SIZE size = {0, 0};
        GetTextExtentPoint32A(hdc, text.data() + nStart, cb, &size);
        if (cb > 0)
            TextOutA(hdc, LineX(style, rc, size.cx), y, text.data() + nStart, cb);
        nStart = nEnd + 2;
    }
    return 0;
}

// A border without the client edge is drawn inside the client area, as Windows does it.
LRESULT OnNcCreate(HWND hwnd, LPARAM lParam) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if ((style & WS_BORDER) && !(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
        SetWindowLongA(hwnd, GWL_STYLE, style & ~WS_BORDER);
    return DefWindowProcA(hwnd, WM_NCCREATE, 0, lParam);
}

LRESULT EditMessage(EditState* pState, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = pState->self;
    if (ComboTakesKey(hwnd, uMsg, wParam, lParam))
        return 0;
    switch (uMsg) {
    case WM_GETDLGCODE:
        return OnGetDlgCode(hwnd, pState, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return OnPaint(hwnd, *pState, reinterpret_cast<HDC>(wParam));
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETTEXT:
        return OnSetText(hwnd, pState, lParam);
    case WM_SETFONT:
        SetControlFont(hwnd, pState, wParam, lParam);
        return 0;
    case WM_SETFOCUS:
        return OnSetFocus(hwnd);
    case WM_KILLFOCUS:
        return OnKillFocus(hwnd, pState);
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, pState, wParam);
    case WM_CHAR:
        return OnChar(hwnd, pState, wParam);
    case EM_GETSEL:
        return OnGetSel(*pState, wParam, lParam);
    case EM_SETSEL:
        return OnSetSel(hwnd, pState, wParam, lParam);
    case EM_LIMITTEXT:
        return OnLimitText(hwnd, pState, wParam);
    case EM_GETLIMITTEXT:
        return pState->dwLimit;
    case EM_SETREADONLY:
        return OnSetReadOnly(hwnd, wParam);
    case EM_SCROLLCARET:
        return TRUE;
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

} // namespace

void RegisterEditClass() {
    RegisterControlClass("Edit", ControlProc<EditState, EditMessage, OnNcCreate>,
                         CS_DBLCLKS | CS_PARENTDC);
}

} // namespace headless
