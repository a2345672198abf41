// What the message queue and the keyboard share: keyboard input waiting in the queue, and the
// thread's key state that follows it as it is taken out.
#pragma once

#include <windows.h>

namespace headless {

// Queues a key press or release (WM_KEYDOWN or WM_KEYUP) as keyboard input: its window is the
// one that has the focus when the thread takes the message.
void QueueKeyboardInput(UINT uMsg, WPARAM vk, LPARAM lParam);

// The thread took a keyboard message from its queue: its key state now shows the key pressed
// or released.
void TakeKeyboardMessage(const MSG& msg);

} // namespace headless
