// The headless system shows no box: it records each and answers it with its default button.
#include "MessageBoxes.h"

#include "Headless.h"

namespace test {

MessageBoxes::MessageBoxes() {
    Headless()->AnswerMessageBoxes(0);
    Headless()->ClearMessageBoxes();
}

MessageBoxes::~MessageBoxes() = default;

std::vector<ShownMessageBox> MessageBoxes::Shown() const {
    std::vector<ShownMessageBox> shown;
    HEADLESS_MESSAGEBOX box;
    for (UINT i = 0; Headless()->GetMessageBox(i, &box); ++i)
        shown.push_back({box.szText, box.szCaption, box.uType});
    return shown;
}

} // namespace test
