// What the message box offers the test interface: the answer a box waiting for its user gets.
#pragma once

namespace headless {

// The button a waiting box is answered with, when it has it; 0 for its default button.
void AnswerMessageBoxes(int nButton);

} // namespace headless
