// The classes the window system registers itself: the dialog and desktop classes and the
// standard controls.
#pragma once

namespace headless {

void RegisterBuiltinClasses();
void RegisterDialogClasses();
void RegisterButtonClass();
void RegisterStaticClass();
void RegisterEditClass();
void RegisterListBoxClasses();
void RegisterComboBoxClass();
void RegisterScrollBarClass();

} // namespace headless
