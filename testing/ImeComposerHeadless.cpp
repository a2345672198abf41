// Compositions on the headless window system: the ones its test interface scripts.
#include "Headless.h"
#include "ImeComposer.h"

namespace test {

const ImeComposer& Ime() {
    static const ImeComposer composer = {Headless()->StartComposition, Headless()->Compose,
                                         Headless()->EndComposition};
    return composer;
}

} // namespace test
