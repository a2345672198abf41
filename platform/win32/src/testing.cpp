// The test interface of the headless window system, exported as data so that a test finds it
// with GetProcAddress, and a test on a real Win32 finds nothing and skips.
#include "composition.h"
#include "draw.h"
#include "headless_test.h"
#include "memory.h"
#include "msgbox.h"
#include "system.h"
#include "textout.h"

#include <string_view>

static_assert(std::string_view(HEADLESS_TEST_EXPORT) == "HeadlessTestInterface",
              "tests look the interface up under the name of this symbol");

extern "C" {
WIN32_EXPORT HEADLESS_TEST HeadlessTestInterface = {
    sizeof(HEADLESS_TEST),      headless::SetCompositionString, headless::GetMessageBoxCount,
    headless::GetMessageBox,    headless::ClearMessageBoxes,    headless::GetTextOutCount,
    headless::GetTextOut,       headless::ClearTextOut,         headless::FailAllocationAfter,
    headless::GetFillRectCount, headless::GetFillRect,          headless::ClearFillRects,
    headless::SetVersion,       headless::StartComposition,     headless::Compose,
    headless::EndComposition,   headless::SetCompositionResult, headless::GetImmCallCount,
    headless::GetImmCall,       headless::ClearImmCalls,
};
}
