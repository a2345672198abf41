// The terminal front end (ncursesw): shows the session's dialog and status line, turns the
// terminal's keys into key presses, redraws on every key and on a resize, and ends on Ctrl-Q.
#pragma once

class Session;

// Runs until Ctrl-Q; false when the terminal cannot be used.
bool RunTerminal(Session& session);
