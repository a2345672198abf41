// Registration of every class the window system provides, before the first class look-up.
#include "builtin_classes.h"

namespace headless {

void RegisterBuiltinClasses() {
    RegisterDialogClasses();
    RegisterButtonClass();
    RegisterStaticClass();
    RegisterEditClass();
    RegisterListBoxClasses();
    RegisterComboBoxClass();
    RegisterScrollBarClass();
}

} // namespace headless
