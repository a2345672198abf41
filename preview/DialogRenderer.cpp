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
                SendMessageA(hwnd, CB_GETDROPPEDSTATE, 0, 0))
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

    void DrawControl(HWND hwnd) {
        const CellBox box = BoxOf(hwnd);
        switch (KindOf(hwnd)) {
        case ControlKind::PushButton:
            DrawPushButton(hwnd, box);
            break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            m_screen.Put(box.x, box.yText, ValueOf(hwnd), box.Width());
            break;
        case ControlKind::Edit:
            DrawEdit(hwnd, box);
            break;
        case ControlKind::Field:
            Bracketed(box, Caption(hwnd), false);
            break;
        case ControlKind::ComboBox:
            Bracketed(box, ValueOf(hwnd), false);
            m_screen.Put(box.xEnd - 2, box.yText, "v");
            break;
        case ControlKind::ListBox:
            DrawListBox(hwnd, box);
            break;
        case ControlKind::GroupBox:
            return;
        case ControlKind::Label:
        case ControlKind::Other:
            DrawLabel(hwnd, box);
            break;
        }
        MarkState(hwnd, box);
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

    void DrawPushButton(HWND hwnd, const CellBox& box) {
        const bool bDefault = (GetWindowLongA(hwnd, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
        const std::string caption = Fit(Caption(hwnd), box.Width() - 2);
        m_screen.Put(box.x, box.yText, bDefault ? "<" : "[");
        m_screen.Put(box.xEnd - 1, box.yText, bDefault ? ">" : "]");
        m_screen.Put(box.x + 1 + (box.Width() - 2 - static_cast<int>(caption.size())) / 2,
                     box.yText, caption);
        if (bDefault)
            m_screen.SetStyle(box.x, box.yText, box.Width(), CellStyle::Default);
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
    void DrawEdit(HWND hwnd, const CellBox& box) {
        const bool bRight = (GetWindowLongA(hwnd, GWL_STYLE) & ES_RIGHT) != 0;
        std::string text = Caption(hwnd);
        if (hwnd != m_hFocus) {
            Bracketed(box, text, bRight);
            return;
        }
        const size_t nCaret =
            std::min(static_cast<size_t>(std::max(CaretOf(hwnd), 0)), text.size());
        text.insert(nCaret, 1, '|');
        const int nRoom = box.Width() - 2;
        size_t nFirst = 0;
        while (static_cast<int>(nCaret + 1 - nFirst) > nRoom && nFirst < nCaret)
            nFirst += IsLeadByte(static_cast<unsigned char>(text[nFirst])) ? 2 : 1;
        const std::string shown = text.substr(nFirst);
        Bracketed(box, shown, bRight);
        const int nShown = static_cast<int>(Fit(shown, nRoom).size());
        const int nPad = bRight ? nRoom - nShown : 0;
        m_screen.SetCursor(box.x + 1 + nPad + static_cast<int>(nCaret - nFirst), box.yText);
    }

    void DrawLabel(HWND hwnd, const CellBox& box) {
        const std::string text = Fit(Caption(hwnd), box.Width());
        const LONG align = GetWindowLongA(hwnd, GWL_STYLE) & 0x03;
        const int nSpare = box.Width() - static_cast<int>(text.size());
        const int nPad = align == SS_CENTER ? nSpare / 2 : align == SS_RIGHT ? nSpare : 0;
        m_screen.Put(box.x + nPad, box.yText, text);
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
        const CellBox combo = BoxOf(hwnd);
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
