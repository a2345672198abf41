// The ncurses screen and keyboard.
#include "Terminal.h"

#include "Session.h"

#include <ncurses.h>

#include <clocale>
#include <string>

namespace {

constexpr int kCtrlQ = 'q' & 0x1F;

attr_t AttributeOf(CellStyle style) {
    switch (style) {
    case CellStyle::Focus:
    case CellStyle::Selected:
        return A_REVERSE;
    case CellStyle::Default:
        return A_BOLD;
    case CellStyle::Disabled:
        return A_DIM;
    case CellStyle::Underline:
        return A_UNDERLINE;
    case CellStyle::Normal:
        break;
    }
    return A_NORMAL;
}

void Draw(const Session& session) {
    const Screen screen = session.Render();
    erase();
    // The status line and the key help take the two rows below the dialog.
    if (COLS < screen.Cols() || LINES < screen.Rows() + 2) {
        mvprintw(0, 0, "The terminal is too small: the dialog needs %d x %d, this is %d x %d.",
                 screen.Cols(), screen.Rows() + 2, COLS, LINES);
        curs_set(0);
        refresh();
        return;
    }
    for (int y = 0; y < screen.Rows(); ++y) {
        for (const CellRun& run : screen.Runs(y)) {
            attrset(AttributeOf(run.style));
            mvaddstr(y, run.x, run.utf8.c_str());
        }
    }
    attrset(A_NORMAL);
    mvaddstr(screen.Rows(), 0, session.StatusLine().c_str());
    mvaddstr(screen.Rows() + 1, 0, "Ctrl-Q quits and prints the values");
    if (screen.CursorX() >= 0) {
        curs_set(1);
        move(screen.CursorY(), screen.CursorX());
    } else {
        curs_set(0);
    }
    refresh();
}

// The key a terminal key stands for; false for one the previewer does not pass on.
bool KeyOf(int ch, Key* pKey) {
    if (ch >= KEY_F(1) && ch <= KEY_F(12))
        return KeyForName("F" + std::to_string(ch - KEY_F(0)), pKey);
    switch (ch) {
    case '\r':
    case '\n':
    case KEY_ENTER:
        return KeyForName("Enter", pKey);
    case 27:
        return KeyForName("Escape", pKey);
    case KEY_UP:
        return KeyForName("Up", pKey);
    case KEY_DOWN:
        return KeyForName("Down", pKey);
    case KEY_LEFT:
        return KeyForName("Left", pKey);
    case KEY_RIGHT:
        return KeyForName("Right", pKey);
    case '\t':
        return KeyForName("Tab", pKey);
    case KEY_BTAB:
        return KeyForName("Shift+Tab", pKey);
    case KEY_BACKSPACE:
    case 127:
    case 8:
        return KeyForName("Backspace", pKey);
    case ' ':
        return KeyForName("Space", pKey);
    }
    return ch > 0 && ch < 0x80 && KeyForCharacter(static_cast<char>(ch), pKey);
}

} // namespace

bool RunTerminal(Session& session) {
    std::setlocale(LC_ALL, "");
    // Escape alone is a key here, not the start of a sequence to wait for.
    ESCDELAY = 25;
    if (initscr() == nullptr)
        return false;
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    Draw(session);
    for (int ch = getch(); ch != kCtrlQ; ch = getch()) {
        Key key;
        if (ch != KEY_RESIZE && KeyOf(ch, &key))
            session.Press(key);
        Draw(session);
    }
    endwin();
    return true;
}
