// Edit controls, single-line and multi-line: text in code page 932 bytes with a caret and a
// selection that never split a double-byte character, typing, replacing the selection, deleting
// and caret keys, the text limit, its lines, and the notifications to the parent. Where the text
// stands and its drawing: editlayout.cpp.
#include "builtin_classes.h"
#include "controls.h"
#include "dbcs.h"
#include "edit.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace headless {
namespace {

// What a limit of 0 stands for.
constexpr DWORD kMaxSingleLineLimit = 0x7FFFFFFE;
constexpr DWORD kMaxMultiLineLimit = 0xFFFFFFFF;

const char kLineBreak[] = "\r\n";

std::string& TextBuffer(HWND hwnd) {
    return FindWindowPtr(hwnd)->text;
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

void SetCaret(HWND hwnd, EditState* pState, size_t nPos) {
    pState->nAnchor = pState->nCaret = nPos;
    InvalidateRect(hwnd, nullptr, TRUE);
}

// To the window the edit was made with as its parent, and to nobody without one.
void Notify(const EditState& state, WORD wCode) {
    if (state.hwndNotify != nullptr)
        NotifyOwner(state.hwndNotify, state.self, wCode);
}

// EN_UPDATE once the text is laid out, EN_CHANGE once it is shown; the parent may destroy the
// control, and its state, in between.
void NotifyTextChanged(const EditState& state) {
    const HWND hwnd = state.self;
    const HWND hwndNotify = state.hwndNotify;
    InvalidateRect(hwnd, nullptr, TRUE);
    if (hwndNotify == nullptr)
        return;
    NotifyOwner(hwndNotify, hwnd, EN_UPDATE);
    if (IsWindow(hwnd))
        NotifyOwner(hwndNotify, hwnd, EN_CHANGE);
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
        Notify(*pState, EN_ERRSPACE);
        return;
    }
    pState->nAnchor = pState->nCaret = nStart + nInsert;
    if (nInsert < insert.size())
        Notify(*pState, EN_MAXTEXT);
    if ((nInsert > 0 || nSelected > 0) && (pState = ControlState<EditState>(hwnd)) != nullptr)
        NotifyTextChanged(*pState);
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

// In a dialog, Enter goes to the dialog's default button (but for a multi-line edit with
// ES_WANTRETURN), and a multi-line edit leaves Tab and Escape to the dialog; true when the key
// went to the dialog.
bool OnDialogKey(const EditState& state, WPARAM vk) {
    const HWND hwndDlg = state.hwndNotify;
    const bool bMultiLine = IsMultiLine(state.self);
    if (!state.bDialogMode || hwndDlg == nullptr)
        return false;
    if (vk == VK_RETURN && !(bMultiLine && (StyleOf(state.self) & ES_WANTRETURN))) {
        PressDefaultButton(hwndDlg);
        return true;
    }
    if (bMultiLine && vk == VK_TAB) {
        SendMessageA(hwndDlg, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) & 0x8000, 0);
        return true;
    }
    if (bMultiLine && vk == VK_ESCAPE) {
        PostMessageA(hwndDlg, WM_CLOSE, 0, 0);
        return true;
    }
    return false;
}

// A single-line edit takes Up and Down as Left and Right. Every key is answered with TRUE, as
// Windows answers it.
LRESULT OnKeyDown(HWND hwnd, EditState* pState, WPARAM vk) {
    if (OnDialogKey(*pState, vk))
        return TRUE;
    const std::string& text = TextBuffer(hwnd);
    const bool bMultiLine = IsMultiLine(hwnd);
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
    return TRUE;
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
        NotifyTextChanged(*pState);
    return TRUE;
}

// EM_REPLACESEL: the text (none for NULL) in place of the selection, as typing puts it there.
LRESULT OnReplaceSel(HWND hwnd, EditState* pState, LPARAM lpText) {
    const char* pszText = reinterpret_cast<const char*>(lpText);
    ReplaceSelection(hwnd, pState, pszText != nullptr ? pszText : "");
    return TRUE;
}

// EM_GETLINE: line wLine (the caret's for -1; a single-line edit has one) into the buffer whose
// first WORD gives its size, as many bytes as fit without half a double-byte character, ended
// with a NUL when there is room; the bytes copied. Wine answers a size of 0 with the line's
// length.
LRESULT OnGetLine(HWND hwnd, const EditState& state, WPARAM wLine, LPARAM lpBuffer) {
    char* pBuffer = reinterpret_cast<char*>(lpBuffer);
    if (pBuffer == nullptr)
        return 0;
    const std::string& text = TextBuffer(hwnd);
    size_t nStart = 0;
    if (IsMultiLine(hwnd) && static_cast<int>(wLine) < 0) {
        nStart = LineStart(text, state.nCaret);
    } else if (IsMultiLine(hwnd)) {
        for (WPARAM nLine = 0; nLine < wLine; ++nLine) {
            if (LineEnd(text, nStart) == text.size())
                return 0;
            nStart = LineEnd(text, nStart) + 2;
        }
    }
    const std::string_view line(&text[nStart], LineEnd(text, nStart) - nStart);
    WORD wSize = 0;
    std::memcpy(&wSize, pBuffer, sizeof(wSize));
    const size_t cb = line.size() <= wSize ? line.size() : CharStart(line, wSize);
    std::memcpy(pBuffer, line.data(), cb);
    if (cb < wSize)
        pBuffer[cb] = '\0';
    return static_cast<LRESULT>(cb);
}

// A focus change repaints only a selection, whose highlight comes or goes, as Windows does;
// the whole field here, where Windows repaints the selected text.
void RepaintSelection(const EditState& state) {
    if (state.nAnchor != state.nCaret)
        InvalidateRect(state.self, nullptr, TRUE);
}

LRESULT OnSetFocus(const EditState& state) {
    RepaintSelection(state);
    Notify(state, EN_SETFOCUS);
    return 0;
}

LRESULT OnKillFocus(EditState* pState) {
    pState->chPendingLead = 0;
    RepaintSelection(*pState);
    Notify(*pState, EN_KILLFOCUS);
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

// A border without the client edge is drawn inside the client area, as Windows does it. The
// edit reports to the window it is made with as its parent.
LRESULT OnNcCreate(HWND hwnd, LPARAM lParam) {
    EditState* pState = ControlState<EditState>(hwnd);
    pState->hwndNotify = reinterpret_cast<const CREATESTRUCTA*>(lParam)->hwndParent;
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if ((style & WS_BORDER) && !(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
        pState->bBorder = true;
        SetWindowLongA(hwnd, GWL_STYLE, style & ~WS_BORDER);
    }
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
        return OnPaint(*pState, reinterpret_cast<HDC>(wParam));
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETTEXT:
        return OnSetText(hwnd, pState, lParam);
    case WM_SETFONT:
        SetControlFont(hwnd, pState, wParam, lParam);
        SetFontMargins(pState);
        return 0;
    case WM_SETFOCUS:
        return OnSetFocus(*pState);
    case WM_KILLFOCUS:
        return OnKillFocus(pState);
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
    case EM_REPLACESEL:
        return OnReplaceSel(hwnd, pState, lParam);
    case EM_GETLINE:
        return OnGetLine(hwnd, *pState, wParam, lParam);
    case EM_GETRECT:
        return OnGetRect(*pState, lParam);
    case EM_SETMARGINS:
        return OnSetMargins(pState, wParam, lParam);
    case EM_GETMARGINS:
        return MAKELONG(pState->wLeftMargin, pState->wRightMargin);
    case EM_POSFROMCHAR:
        return OnPosFromChar(*pState, wParam);
    case EM_CHARFROMPOS:
        return OnCharFromPos(*pState, lParam);
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

} // namespace

bool IsMultiLine(HWND hwnd) {
    return (StyleOf(hwnd) & ES_MULTILINE) != 0;
}

size_t LineStart(const std::string& text, size_t nPos) {
    const size_t nBreak = nPos >= 2 ? text.rfind(kLineBreak, nPos - 2) : std::string::npos;
    return nBreak == std::string::npos ? 0 : nBreak + 2;
}

size_t LineEnd(const std::string& text, size_t nPos) {
    const size_t nBreak = text.find(kLineBreak, nPos);
    return nBreak == std::string::npos ? text.size() : nBreak;
}

void RegisterEditClass() {
    RegisterControlClass("Edit", ControlProc<EditState, EditMessage, OnNcCreate>,
                         CS_DBLCLKS | CS_PARENTDC);
}

} // namespace headless
