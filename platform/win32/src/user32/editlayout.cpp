// Where an edit's text stands: its format rectangle (the client area less the border and the
// margins, whole lines high), its margins, the positions of its characters, and the text drawn
// there. Each is derived from the client area, the font and the margins when it is asked for, as
// nothing here scrolls.
#include "controls.h"
#include "dbcs.h"
#include "edit.h"
#include "font.h"

#include <algorithm>

namespace headless {
namespace {

TEXTMETRICA FontMetrics(const EditState& state) {
    TEXTMETRICA tm = {};
    GetFontMetrics(FontOrSystemFont(state.hFont), &tm);
    return tm;
}

// The built-in fonts give every byte the same width, a double-byte character two.
int TextWidth(const EditState& state, size_t cb) {
    return MeasureText(FontOrSystemFont(state.hFont), cb).cx;
}

// A font of a double-byte character set takes its margins from how far its characters reach
// over their cells, as Windows does; the built-in fonts reach over by nothing. The default
// character set is the system's, code page 932.
bool IsDoubleByteFont(const TEXTMETRICA& tm) {
    switch (tm.tmCharSet) {
    case DEFAULT_CHARSET:
    case SHIFTJIS_CHARSET:
    case HANGUL_CHARSET:
    case GB2312_CHARSET:
    case CHINESEBIG5_CHARSET:
        return true;
    }
    return false;
}

// The client edge and the border the edit draws itself take a pixel and two off each side, and
// off the top and the bottom too when a line still fits in between.
RECT TextArea(const EditState& state, int nLineHeight) {
    RECT rc;
    GetClientRect(state.self, &rc);
    int nInset = 0;
    if (GetWindowLongA(state.self, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)
        nInset = 1;
    else if (state.bBorder)
        nInset = GetSystemMetrics(SM_CXBORDER) + 1;
    const bool bInsetVertically = rc.bottom - rc.top >= nLineHeight + 2 * nInset;
    InflateRect(&rc, -nInset, bInsetVertically ? -nInset : 0);
    return rc;
}

// At least one character wide, whole lines high (one line for a single-line edit), never below
// the client area.
RECT FormatRect(const EditState& state) {
    const TEXTMETRICA tm = FontMetrics(state);
    RECT rc = TextArea(state, tm.tmHeight);
    rc.left += state.wLeftMargin;
    rc.right = std::max(rc.right - state.wRightMargin, rc.left + tm.tmAveCharWidth);
    const int nLines = IsMultiLine(state.self)
                           ? std::max(1, static_cast<int>((rc.bottom - rc.top) / tm.tmHeight))
                           : 1;
    RECT rcClient;
    GetClientRect(state.self, &rcClient);
    rc.bottom = std::min(rc.top + nLines * tm.tmHeight, rcClient.bottom);
    return rc;
}

// The line's text and where it starts in the format rectangle, by the edit's alignment.
struct PlacedLine {
    size_t nStart;
    size_t nEnd;
    int x;
    int y;
};

PlacedLine PlaceLine(const EditState& state, const RECT& rcFormat, int nLineHeight, size_t nStart) {
    const std::string& text = TextOf(state.self);
    const size_t nEnd = IsMultiLine(state.self) ? LineEnd(text, nStart) : text.size();
    const int nRoom = rcFormat.right - rcFormat.left - TextWidth(state, nEnd - nStart);
    int x = rcFormat.left;
    if (StyleOf(state.self) & ES_RIGHT)
        x += std::max(nRoom, 0);
    else if (StyleOf(state.self) & ES_CENTER)
        x += std::max(nRoom, 0) / 2;
    int nLine = 0;
    for (size_t nAt = 0; nAt < nStart; nAt = LineEnd(text, nAt) + 2)
        ++nLine;
    return {nStart, nEnd, x, rcFormat.top + nLine * nLineHeight};
}

// The position in the line nearest x: a character's right half stands for the position after it.
size_t PositionAtX(const EditState& state, const PlacedLine& line, int x) {
    const std::string& text = TextOf(state.self);
    int xAt = line.x;
    for (size_t nAt = line.nStart; nAt < line.nEnd;) {
        const size_t cb = CharLength932(&text[nAt], line.nEnd - nAt);
        const int cx = TextWidth(state, cb);
        if (x < xAt + cx)
            return 2 * (x - xAt) >= cx ? nAt + cb : nAt;
        xAt += cx;
        nAt += cb;
    }
    return line.nEnd;
}

} // namespace

LRESULT OnGetRect(const EditState& state, LPARAM lpRect) {
    if (RECT* pRect = reinterpret_cast<RECT*>(lpRect))
        *pRect = FormatRect(state);
    return 0;
}

// Half the average character width on each side of a font of single-byte characters, unless that
// leaves less than two characters' room between them; none without a font, as Windows documents.
void SetMarginsFromFont(EditState* pState, bool bLeft, bool bRight) {
    const TEXTMETRICA tm = FontMetrics(*pState);
    WORD wMargin = 0;
    if (pState->hFont != nullptr && !IsDoubleByteFont(tm)) {
        RECT rc;
        GetClientRect(pState->self, &rc);
        wMargin = static_cast<WORD>(tm.tmAveCharWidth / 2);
        if (rc.right - rc.left < 2 * wMargin + 2 * tm.tmAveCharWidth)
            return;
    }
    if (bLeft)
        pState->wLeftMargin = wMargin;
    if (bRight)
        pState->wRightMargin = wMargin;
}

// Each side flagged takes its width from lMargins, or from the font when the width is
// EC_USEFONTINFO; wFlags EC_USEFONTINFO alone sets both from the font.
LRESULT OnSetMargins(EditState* pState, WPARAM wFlags, LPARAM lMargins) {
    if (wFlags == EC_USEFONTINFO) {
        SetMarginsFromFont(pState, true, true);
        InvalidateRect(pState->self, nullptr, TRUE);
        return 0;
    }
    const WORD wLeft = LOWORD(lMargins);
    const WORD wRight = HIWORD(lMargins);
    if (wFlags & EC_LEFTMARGIN) {
        if (wLeft == EC_USEFONTINFO)
            SetMarginsFromFont(pState, true, false);
        else
            pState->wLeftMargin = wLeft;
    }
    if (wFlags & EC_RIGHTMARGIN) {
        if (wRight == EC_USEFONTINFO)
            SetMarginsFromFont(pState, false, true);
        else
            pState->wRightMargin = wRight;
    }
    InvalidateRect(pState->self, nullptr, TRUE);
    return 0;
}

// A font of double-byte characters leaves the margins as they are, since the built-in ones reach
// over their cells by nothing; no font sets none.
void SetFontMargins(EditState* pState) {
    if (pState->hFont == nullptr || !IsDoubleByteFont(FontMetrics(*pState)))
        SetMarginsFromFont(pState, true, true);
}

// A position at or past the end of the text has none (-1).
LRESULT OnPosFromChar(const EditState& state, WPARAM wIndex) {
    const std::string& text = TextOf(state.self);
    if (wIndex >= text.size())
        return -1;
    const TEXTMETRICA tm = FontMetrics(state);
    const size_t nAt = static_cast<size_t>(wIndex);
    const size_t nStart = IsMultiLine(state.self) ? LineStart(text, nAt) : 0;
    const PlacedLine line = PlaceLine(state, FormatRect(state), tm.tmHeight, nStart);
    const int x = line.x + TextWidth(state, std::min(nAt, line.nEnd) - nStart);
    return MAKELONG(static_cast<SHORT>(x), static_cast<SHORT>(line.y));
}

// The position nearest a point of the client area and its line; -1 for a point outside. A point
// below the last line is on the last line.
LRESULT OnCharFromPos(const EditState& state, LPARAM lPoint) {
    const POINT pt = {static_cast<SHORT>(LOWORD(lPoint)), static_cast<SHORT>(HIWORD(lPoint))};
    RECT rcClient;
    GetClientRect(state.self, &rcClient);
    if (!PtInRect(&rcClient, pt))
        return -1;
    const std::string& text = TextOf(state.self);
    const TEXTMETRICA tm = FontMetrics(state);
    const RECT rcFormat = FormatRect(state);
    size_t nStart = 0;
    int nLine = 0;
    if (IsMultiLine(state.self)) {
        const int nWanted = std::max(0, static_cast<int>((pt.y - rcFormat.top) / tm.tmHeight));
        for (; nLine < nWanted && LineEnd(text, nStart) < text.size(); ++nLine)
            nStart = LineEnd(text, nStart) + 2;
    }
    const PlacedLine line = PlaceLine(state, rcFormat, tm.tmHeight, nStart);
    return MAKELONG(PositionAtX(state, line, pt.x), nLine);
}

// A read-only or disabled edit is coloured as a static, as since Windows XP.
LRESULT OnPaint(const EditState& state, HDC hdcGiven) {
    const HWND hwnd = state.self;
    ControlPaint paint(hwnd, hdcGiven, state.hFont);
    const HDC hdc = paint.Dc();
    const RECT rc = paint.Client();
    const bool bStatic = (StyleOf(hwnd) & ES_READONLY) || !IsWindowEnabled(hwnd);
    FillRect(hdc, &rc, ParentBrush(hwnd, hdc, bStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT));
    if (!IsWindowEnabled(hwnd))
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    const TEXTMETRICA tm = FontMetrics(state);
    const RECT rcFormat = FormatRect(state);
    const std::string& text = TextOf(hwnd);
    for (size_t nStart = 0; nStart <= text.size();) {
        const PlacedLine line = PlaceLine(state, rcFormat, tm.tmHeight, nStart);
        if (line.nEnd > line.nStart)
            TextOutA(hdc, line.x, line.y, text.data() + line.nStart,
                     static_cast<int>(line.nEnd - line.nStart));
        nStart = line.nEnd + 2;
    }
    return 0;
}

} // namespace headless
