// A grid of character cells holding code page 932 text, as the dialog renderer fills it and
// the front ends show it: one byte per cell, a double-byte character in two cells.
#pragma once

#include <string>
#include <vector>

// How the terminal shows a cell; plain text shows only the characters.
enum class CellStyle : unsigned char { Normal, Focus, Selected, Default, Disabled, Underline };

struct CellRun {
    int x;
    std::string utf8;
    CellStyle style;
};

class Screen {
public:
    Screen(int nCols, int nRows);

    int Cols() const { return m_nCols; }
    int Rows() const { return m_nRows; }

    // Writes Shift-JIS text from (x, y), at most nMaxCols cells of it, cut off at the grid's edge
    // and never in the middle of a double-byte character; a character it half covers becomes a
    // blank. Returns the number of cells written.
    int Put(int x, int y, const std::string& ansi, int nMaxCols = 1 << 30);
    // The style of nCols cells from (x, y).
    void SetStyle(int x, int y, int nCols, CellStyle style);

    // Where the terminal's cursor goes (the caret of the focus field); x < 0 for nowhere.
    void SetCursor(int x, int y);
    int CursorX() const { return m_xCursor; }
    int CursorY() const { return m_yCursor; }

    // Row y in UTF-8, without trailing blanks.
    std::string Line(int y) const;
    // Row y cut where the style changes.
    std::vector<CellRun> Runs(int y) const;

private:
    enum class Half : unsigned char { Single, Lead, Trail };
    struct Cell {
        char ch = ' ';
        Half half = Half::Single;
        CellStyle style = CellStyle::Normal;
    };

    Cell* At(int x, int y);
    void Blank(int x, int y);
    void PutByte(int x, int y, char ch, Half half);
    std::string Utf8(int y, int xFrom, int xTo) const;

    int m_nCols;
    int m_nRows;
    int m_xCursor = -1;
    int m_yCursor = -1;
    std::vector<Cell> m_cells;
};
