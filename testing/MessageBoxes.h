// The message boxes a test's code shows, recorded and answered at once, on every system.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

struct ShownMessageBox {
    std::string text;
    std::string caption;
    UINT uType; // the buttons and the icon (MB_OK | MB_ICONEXCLAMATION...)
};

// Records the boxes shown while it lives, each answered with its default button as Enter would.
// On the headless window system through its test interface; on a real Win32 by watching the
// thread's windows come up, where the type is read back from the box's buttons and icon.
class MessageBoxes {
public:
    MessageBoxes();
    ~MessageBoxes();
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    std::vector<ShownMessageBox> Shown() const;
};

} // namespace test
