// The cell grid: double-byte characters kept whole, rows given back as UTF-8.
#include "Screen.h"

#include "Text.h"

Screen::Screen(int nCols, int nRows)
    : m_nCols(nCols > 0 ? nCols : 0), m_nRows(nRows > 0 ? nRows : 0),
      m_cells(static_cast<size_t>(m_nCols) * static_cast<size_t>(m_nRows)) {}

Screen::Cell* Screen::At(int x, int y) {
    if (x < 0 || y < 0 || x >= m_nCols || y >= m_nRows)
        return nullptr;
    return &m_cells[static_cast<size_t>(y) * static_cast<size_t>(m_nCols) + static_cast<size_t>(x)];
}

void Screen::Blank(int x, int y) {
    if (Cell* pCell = At(x, y)) {
        pCell->ch = ' ';
        pCell->half = Half::Single;
    }
}

// Overwriting half of a double-byte character leaves a blank in its other half.
void Screen::PutByte(int x, int y, char ch, Half half) {
    Cell* pCell = At(x, y);
    if (pCell == nullptr)
        return;
    if (pCell->half == Half::Lead && half != Half::Lead)
        Blank(x + 1, y);
    if (pCell->half == Half::Trail && half != Half::Trail)
        Blank(x - 1, y);
    pCell->ch = ch;
    pCell->half = half;
}

int Screen::Put(int x, int y, const std::string& ansi, int nMaxCols) {
    if (y < 0 || y >= m_nRows)
        return 0;
    int nWritten = 0;
    for (size_t i = 0; i < ansi.size() && nWritten < nMaxCols; ++i) {
        const int xCell = x + nWritten;
        const bool bDouble = IsLeadByte(static_cast<unsigned char>(ansi[i])) && i + 1 < ansi.size();
        if (!bDouble) {
            PutByte(xCell, y, ansi[i], Half::Single);
            ++nWritten;
            continue;
        }
        // A double-byte character that does not fit whole is left out.
        if (nWritten + 2 > nMaxCols || xCell + 1 >= m_nCols)
            break;
        PutByte(xCell, y, ansi[i], Half::Lead);
        PutByte(xCell + 1, y, ansi[i + 1], Half::Trail);
        nWritten += 2;
        ++i;
    }
    return nWritten;
}

void Screen::SetStyle(int x, int y, int nCols, CellStyle style) {
    for (int i = 0; i < nCols; ++i) {
        if (Cell* pCell = At(x + i, y))
            pCell->style = style;
    }
}

void Screen::SetCursor(int x, int y) {
    m_xCursor = x;
    m_yCursor = y;
}

std::string Screen::Utf8(int y, int xFrom, int xTo) const {
    std::string ansi;
    for (int x = xFrom; x < xTo; ++x)
        ansi +=
            m_cells[static_cast<size_t>(y) * static_cast<size_t>(m_nCols) + static_cast<size_t>(x)]
                .ch;
    return AnsiToUtf8(ansi);
}

std::string Screen::Line(int y) const {
    if (y < 0 || y >= m_nRows)
        return std::string();
    std::string line = Utf8(y, 0, m_nCols);
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::vector<CellRun> Screen::Runs(int y) const {
    std::vector<CellRun> runs;
    if (y < 0 || y >= m_nRows)
        return runs;
    const Cell* pRow = &m_cells[static_cast<size_t>(y) * static_cast<size_t>(m_nCols)];
    int xStart = 0;
    for (int x = 1; x <= m_nCols; ++x) {
        // A style change inside a double-byte character waits for its end.
        const bool bEnd =
            x == m_nCols || (pRow[x].style != pRow[xStart].style && pRow[x].half != Half::Trail);
        if (!bEnd)
            continue;
        runs.push_back(CellRun{xStart, Utf8(y, xStart, x), pRow[xStart].style});
        xStart = x;
    }
    return runs;
}
