// The dialog renderer: window rectangles to cells, then one drawing function per kind of control.
#include "DialogRenderer.h"

#include "Controls.h"
#include "Text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A control's cells: columns [x, xEnd) and rows [y, yEnd) of the screen; a one-line control is
// drawn on row yText, the row of its middle.
struct CellBox {
    int x;
    int xEnd;
    int y;
    int yEnd;
    int yText;
    int Width() const { return xEnd - x; }
};

// Text cut to at most nCols cells (one a byte), never inside a double-byte character.
std::string Fit(const std::string& ansi, int nCols) {
    size_t cb = 0;
    while (cb < ansi.size()) {
        const size_t cbChar =
            IsLeadByte(static_cast<unsigned char>(ansi[cb])) && cb + 1 < ansi.size() ? 2 : 1;
        if (static_cast<int>(cb + cbChar) > nCols)
            break;
        cb += cbChar;
    }
    return ansi.substr(0, cb);
}

size_t CharBytes(const std::string& ansi, size_t i) {
    return IsLeadByte(static_cast<unsigned char>(ansi[i])) && i + 1 < ansi.size() ? 2 : 1;
}

// Where a line of at most nCols cells ends, as DrawText breaks words: at a blank, or before or
// after a double-byte character (Japanese text breaks between any two), the last such place
// that lets the line hold most; where the line is full when there is none, and never before its
// first character.
size_t LineBreak(const std::string& text, int nCols) {
    size_t nBreak = 0;
    size_t i = 0;
    while (i < text.size()) {
        const size_t cb = CharBytes(text, i);
        if (cb == 2 || text[i] == ' ')
            nBreak = i;
        if (static_cast<int>(i + cb) > nCols)
            break;
        i += cb;
        if (cb == 2)
            nBreak = i;
    }
    if (i == text.size())
        return i;
    return nBreak > 0 ? nBreak : std::max<size_t>(i, CharBytes(text, 0));
}

// Text in lines of at most nCols cells: its own line breaks, then words broken as DrawText
// breaks them, without the blanks at a break.
std::vector<std::string> Wrap(const std::string& ansi, int nCols) {
    std::vector<std::string> lines;
    size_t nStart = 0;
    for (;;) {
        const size_t nEnd = ansi.find('\n', nStart);
        std::string rest = ansi.substr(nStart, nEnd == std::string::npos ? nEnd : nEnd - nStart);
        if (!rest.empty() && rest.back() == '\r')
            rest.pop_back();
        while (static_cast<int>(rest.size()) > nCols) {
            const size_t nBreak = LineBreak(rest, nCols);
            lines.push_back(rest.substr(0, rest.find_last_not_of(' ', nBreak - 1) + 1));
            rest.erase(0, rest.find_first_not_of(' ', nBreak));
        }
        lines.push_back(rest);
        if (nEnd == std::string::npos)
            return lines;
        nStart = nEnd + 1;
    }
}

// CBS_SIMPLE: an edit field with its list always shown below it.
bool IsSimpleCombo(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & 0x03) == CBS_SIMPLE;
}

// The pixels of one cell: four horizontal and eight vertical dialog units.
SIZE CellSize(HWND hDlg) {
    RECT rcCell = {0, 0, 4, 8};
    MapDialogRect(hDlg, &rcCell);
    return SIZE{std::max<LONG>(rcCell.right, 1), std::max<LONG>(rcCell.bottom, 1)};
}

class Painter {
public:
    Painter(HWND hDlg, SIZE cell, Screen& screen)
        : m_hDlg(hDlg), m_screen(screen), m_hFocus(GetFocus()), m_cxCell(cell.cx),
          m_cyCell(cell.cy) {}

    void DrawDialog(const std::string& title) {
        Frame(0, 0, m_screen.Cols() - 1, m_screen.Rows() - 1, title);
        std::vector<HWND> controls;
        for (HWND hwnd = GetWindow(m_hDlg, GW_CHILD); hwnd != nullptr;
             hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
            if (IsWindowVisible(hwnd))
                controls.push_back(hwnd);
        }
        // Group boxes lie under the controls they hold; an open list lies over everything.
        for (HWND hwnd : controls) {
            if (KindOf(hwnd) == ControlKind::GroupBox)
                DrawGroupBox(hwnd);
        }
        for (HWND hwnd : controls)
            DrawControl(hwnd);
        for (HWND hwnd : controls) {
            if (KindOf(hwnd) == ControlKind::ComboBox &&
                (IsSimpleCombo(hwnd) || SendMessageA(hwnd, CB_GETDROPPEDSTATE, 0, 0)))
                DrawDroppedList(hwnd);
        }
    }

private:
    // Client pixels of the dialog to screen cells, inside the frame.
    CellBox BoxOf(RECT rc) const {
        CellBox box;
        box.x = rc.left / m_cxCell + 1;
        box.xEnd = std::max(box.x + 1, static_cast<int>(rc.right / m_cxCell) + 1);
        box.y = rc.top / m_cyCell + 1;
        box.yEnd = std::max(box.y + 1, static_cast<int>((rc.bottom + m_cyCell - 1) / m_cyCell) + 1);
        box.yText = (rc.top + rc.bottom) / 2 / m_cyCell + 1;
        return box;
    }

    CellBox BoxOf(HWND hwnd) const {
        RECT rc;
        GetWindowRect(hwnd, &rc);
        MapWindowPoints(nullptr, m_hDlg, reinterpret_cast<POINT*>(&rc), 2);
        return BoxOf(rc);
    }

    // A combo box's field: a simple combo box's window holds its list as well.
    CellBox FieldBoxOf(HWND hwnd) const {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof(info);
        if (!GetComboBoxInfo(hwnd, &info))
            return BoxOf(hwnd);
        MapWindowPoints(hwnd, m_hDlg, reinterpret_cast<POINT*>(&info.rcItem), 2);
        CellBox box = BoxOf(hwnd);
        box.yText = BoxOf(info.rcItem).yText;
        return box;
    }

    void Frame(int x0, int y0, int x1, int y1, const std::string& caption) {
        for (int y = y0; y <= y1; ++y) {
            const bool bEdge = y == y0 || y == y1;
            m_screen.Put(x0, y, bEdge ? "+" : "|");
            m_screen.Put(x1, y, bEdge ? "+" : "|");
            if (bEdge)
                m_screen.Put(x0 + 1, y,
                             std::string(static_cast<size_t>(std::max(x1 - x0 - 1, 0)), '-'));
        }
        if (!caption.empty())
            m_screen.Put(x0 + 2, y0, " " + caption + " ", x1 - x0 - 3);
    }

    void DrawGroupBox(HWND hwnd) {
        const CellBox box = BoxOf(hwnd);
        Frame(box.x, box.y, box.xEnd - 1, box.yEnd - 1, Caption(hwnd));
    }

    // The control's state first, so that what its drawing underlines stays underlined.
    void DrawControl(HWND hwnd) {
        const CellBox box = KindOf(hwnd) == ControlKind::ComboBox ? FieldBoxOf(hwnd) : BoxOf(hwnd);
        const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
        if (KindOf(hwnd) != ControlKind::GroupBox)
            MarkState(hwnd, box);
        switch (KindOf(hwnd)) {
        case ControlKind::PushButton:
            DrawPushButton(hwnd, box, (style & 0x0F) == BS_DEFPUSHBUTTON);
            break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            // BS_PUSHLIKE makes a check box or radio button a push button that stays pressed.
            if (style & BS_PUSHLIKE)
                DrawPushButton(hwnd, box, SendMessageA(hwnd, BM_GETCHECK, 0, 0) != BST_UNCHECKED);
            else
                DrawCheck(hwnd, box);
            break;
        case ControlKind::Edit:
            DrawEdit(hwnd, box);
            break;
        case ControlKind::Field:
            Bracketed(box, Caption(hwnd), false);
            break;
        case ControlKind::ComboBox:
            Bracketed(box, ValueOf(hwnd), false);
            if (!IsSimpleCombo(hwnd))
                m_screen.Put(box.xEnd - 2, box.yText, "v");
            break;
        case ControlKind::ListBox:
            DrawListBox(hwnd, box);
            break;
        case ControlKind::GroupBox:
            return;
        case ControlKind::Label:
            DrawLabel(hwnd, box);
            break;
        case ControlKind::ScrollBar:
            DrawScrollBar(box, (style & SBS_VERT) != 0);
            break;
        case ControlKind::Other:
            DrawStandIn(hwnd, box);
            break;
        }
    }

    void MarkState(HWND hwnd, const CellBox& box) {
        const int yMark = KindOf(hwnd) == ControlKind::ListBox ? box.y : box.yText;
        if (hwnd == m_hFocus) {
            m_screen.Put(box.x - 1, yMark, ">");
            m_screen.SetStyle(box.x, yMark, box.Width(), CellStyle::Focus);
        } else if (!IsWindowEnabled(hwnd)) {
            for (int y = box.y; y < box.yEnd; ++y)
                m_screen.SetStyle(box.x, y, box.Width(), CellStyle::Disabled);
        }
    }

    // A push button's caption centred between its brackets, <> for the default button and for
    // a push-like button that is pressed.
    void DrawPushButton(HWND hwnd, const CellBox& box, bool bMarked) {
        int nMnemonic = -1;
        const std::string caption = Fit(OneLine(ShownText(hwnd, &nMnemonic)), box.Width() - 2);
        m_screen.Put(box.x, box.yText, bMarked ? "<" : "[");
        m_screen.Put(box.xEnd - 1, box.yText, bMarked ? ">" : "]");
        PutText(box.x + 1 + (box.Width() - 2 - static_cast<int>(caption.size())) / 2, box.yText,
                caption, nMnemonic);
        if (bMarked)
            m_screen.SetStyle(box.x, box.yText, box.Width(), CellStyle::Default);
    }

    // The glyph and the caption after it. Windows leaves the caption the button's width less
    // its 13-pixel glyph and half a digit; a caption that fits there is not cut where the cells'
    // glyph, a blank included, is wider: it follows the glyph without the blank.
    void DrawCheck(HWND hwnd, const CellBox& box) {
        int nMnemonic = -1;
        const std::string caption = OneLine(ShownText(hwnd, &nMnemonic));
        const int nRoom = box.Width() - 4;
        const int nGap =
            static_cast<int>(caption.size()) > nRoom && FitsBesideGlyph(hwnd, caption) ? 0 : 1;
        m_screen.Put(box.x, box.yText, CheckGlyph(hwnd));
        PutText(box.x + 3 + nGap, box.yText, Fit(caption, nRoom + 1 - nGap), nMnemonic);
    }

    static bool FitsBesideGlyph(HWND hwnd, const std::string& caption) {
        constexpr int kGlyph = 13;
        RECT rc;
        GetClientRect(hwnd, &rc);
        const HDC hdc = GetDC(hwnd);
        const HGDIOBJ hOld =
            SelectObject(hdc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
        SIZE text = {0, 0}, digit = {0, 0};
        GetTextExtentPoint32A(hdc, caption.c_str(), static_cast<int>(caption.size()), &text);
        GetTextExtentPoint32A(hdc, "0", 1, &digit);
        SelectObject(hdc, hOld);
        ReleaseDC(hwnd, hdc);
        return text.cx <= rc.right - kGlyph - digit.cx / 2;
    }

    // Text whose mnemonic (a byte offset, -1 for none) is underlined, as Windows draws it.
    void PutText(int x, int y, const std::string& text, int nMnemonic) {
        m_screen.Put(x, y, text);
        if (nMnemonic >= 0 && nMnemonic < static_cast<int>(text.size()))
            m_screen.SetStyle(x + nMnemonic, y, static_cast<int>(CharBytes(text, nMnemonic)),
                              CellStyle::Underline);
    }

    // Text between brackets, cut to the room between them; right-aligned when asked.
    void Bracketed(const CellBox& box, const std::string& text, bool bRight) {
        const int nRoom = box.Width() - 2;
        const std::string shown = Fit(text, nRoom);
        m_screen.Put(box.x, box.yText, "[");
        m_screen.Put(box.xEnd - 1, box.yText, "]");
        const int nPad = bRight ? nRoom - static_cast<int>(shown.size()) : 0;
        m_screen.Put(box.x + 1 + nPad, box.yText, shown);
    }

    // The focus edit shows its caret as '|', scrolled into view as the edit scrolls it.
    // A composition in progress shows at the caret, underlined, as an input method shows it
    // before it commits.
    void DrawEdit(HWND hwnd, const CellBox& box) {
        const bool bRight = (GetWindowLongA(hwnd, GWL_STYLE) & ES_RIGHT) != 0;
        std::string text = Caption(hwnd);
        if (hwnd != m_hFocus) {
            Bracketed(box, text, bRight);
            return;
        }
        const std::string composition = CompositionOf(hwnd);
        const size_t nInsert =
            std::min(static_cast<size_t>(std::max(CaretOf(hwnd), 0)), text.size());
        const size_t nCaret = nInsert + composition.size();
        text.insert(nInsert, composition + "|");
        const int nRoom = box.Width() - 2;
        size_t nFirst = 0;
        while (static_cast<int>(nCaret + 1 - nFirst) > nRoom && nFirst < nCaret)
            nFirst += IsLeadByte(static_cast<unsigned char>(text[nFirst])) ? 2 : 1;
        const std::string shown = text.substr(nFirst);
        Bracketed(box, shown, bRight);
        const int nShown = static_cast<int>(Fit(shown, nRoom).size());
        const int xText = box.x + 1 + (bRight ? nRoom - nShown : 0) - static_cast<int>(nFirst);
        const int nUnderlined = static_cast<int>(std::max(nInsert, nFirst));
        m_screen.SetStyle(xText + nUnderlined, box.yText, static_cast<int>(nCaret) - nUnderlined,
                          CellStyle::Underline);
        m_screen.SetCursor(xText + static_cast<int>(nCaret), box.yText);
    }

    // One line on the label's middle row, or, when its text has more lines than that and the
    // label more rows, lines from its top, as DrawText wraps them with DT_WORDBREAK (only the
    // left, centred and right-aligned kinds wrap).
    void DrawLabel(HWND hwnd, const CellBox& box) {
        int nMnemonic = -1;
        const std::string text = ShownText(hwnd, &nMnemonic);
        const LONG align = GetWindowLongA(hwnd, GWL_STYLE) & SS_TYPEMASK;
        const std::vector<std::string> lines =
            align <= SS_RIGHT ? Wrap(text, box.Width()) : std::vector<std::string>{};
        if (lines.size() <= 1 || box.yEnd - box.y == 1) {
            PutAligned(box, box.yText, OneLine(text), align, nMnemonic);
            return;
        }
        for (size_t i = 0; i < lines.size() && box.y + static_cast<int>(i) < box.yEnd; ++i)
            PutAligned(box, box.y + static_cast<int>(i), lines[i], align, i == 0 ? nMnemonic : -1);
    }

    void PutAligned(const CellBox& box, int y, const std::string& text, LONG align, int nMnemonic) {
        const std::string line = Fit(text, box.Width());
        const int nSpare = box.Width() - static_cast<int>(line.size());
        const int nPad = align == SS_CENTER ? nSpare / 2 : align == SS_RIGHT ? nSpare : 0;
        PutText(box.x + nPad, y, line, nMnemonic);
    }

    // A class the previewer does not draw (a stand-in for a common control or a host's own
    // class): a box labelled with the class's name, or the name between braces on one row.
    void DrawStandIn(HWND hwnd, const CellBox& box) {
        const std::string name = ClassNameOf(hwnd);
        if (box.yEnd - box.y >= 3)
            Frame(box.x, box.y, box.xEnd - 1, box.yEnd - 1, name);
        else
            m_screen.Put(box.x, box.yText, "{" + Fit(name, box.Width() - 2) + "}");
    }

    void DrawScrollBar(const CellBox& box, bool bVertical) {
        if (!bVertical) {
            m_screen.Put(box.x, box.yText,
                         "<" + std::string(static_cast<size_t>(std::max(box.Width() - 2, 0)), '-') +
                             ">");
            return;
        }
        for (int y = box.y; y < box.yEnd; ++y)
            m_screen.Put(box.x, y, y == box.y ? "^" : y == box.yEnd - 1 ? "v" : "|");
    }

    // Rows of a list between side bars, from row nFirst, the selected one marked with '>'.
    void ListRows(const CellBox& box, int yFrom, int nShown, HWND hwnd, int nFirst) {
        const std::vector<std::string> rows = Rows(hwnd);
        const int nSelected = SelectedRow(hwnd);
        for (int i = 0; i < nShown; ++i) {
            const int y = yFrom + i, nRow = nFirst + i;
            const bool bSelected = nRow == nSelected;
            std::string line(static_cast<size_t>(std::max(box.Width() - 2, 0)), ' ');
            m_screen.Put(box.x, y, "|" + line + "|");
            if (nRow < static_cast<int>(rows.size()))
                m_screen.Put(box.x + 1, y,
                             (bSelected ? ">" : " ") + rows[static_cast<size_t>(nRow)],
                             box.Width() - 2);
            if (bSelected)
                m_screen.SetStyle(box.x + 1, y, box.Width() - 2, CellStyle::Selected);
        }
    }

    void Border(const CellBox& box, int y) {
        m_screen.Put(box.x, y,
                     "+" + std::string(static_cast<size_t>(std::max(box.Width() - 2, 0)), '-') +
                         "+");
    }

    void DrawListBox(HWND hwnd, const CellBox& box) {
        const int nRows = box.yEnd - box.y;
        const int nTop = static_cast<int>(SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0));
        if (nRows < 3) {
            ListRows(box, box.y, nRows, hwnd, nTop);
            return;
        }
        Border(box, box.y);
        ListRows(box, box.y + 1, nRows - 2, hwnd, nTop);
        Border(box, box.yEnd - 1);
    }

    // The list of an open combo box, below it, scrolled so that its selected row shows.
    void DrawDroppedList(HWND hwnd) {
        RECT rc;
        SendMessageA(hwnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rc));
        MapWindowPoints(nullptr, m_hDlg, reinterpret_cast<POINT*>(&rc), 2);
        const CellBox combo = FieldBoxOf(hwnd);
        CellBox list = BoxOf(rc);
        list.y = combo.yText + 1;
        const int nCount = static_cast<int>(SendMessageA(hwnd, CB_GETCOUNT, 0, 0));
        const int nShown = std::max(1, std::min(nCount, list.yEnd - list.y - 1));
        const int nFirst = std::max(0, SelectedRow(hwnd) - nShown + 1);
        ListRows(list, list.y, nShown, hwnd, nFirst);
        Border(list, list.y + nShown);
    }

    HWND m_hDlg;
    Screen& m_screen;
    HWND m_hFocus;
    LONG m_cxCell;
    LONG m_cyCell;
};

} // namespace

Screen RenderDialog(HWND hDlg) {
    const SIZE cell = CellSize(hDlg);
    RECT rcClient;
    GetClientRect(hDlg, &rcClient);
    Screen screen((rcClient.right + cell.cx - 1) / cell.cx + 2,
                  (rcClient.bottom + cell.cy - 1) / cell.cy + 2);
    Painter(hDlg, cell, screen).DrawDialog(Caption(hDlg));
    return screen;
}
