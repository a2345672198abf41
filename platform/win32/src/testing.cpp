// The test interface of the headless window system, exported as data so that a test finds it
// with GetProcAddress, and a test on a real Win32 finds nothing and skips.
#include "composition.h"
#include "headless_test.h"
#include "memory.h"
#include "module.h"
#include "msgbox.h"
#include "records.h"
#include "system.h"

#include <string_view>

static_assert(std::string_view(HEADLESS_TEST_EXPORT) == "HeadlessTestInterface",
              "tests look the interface up under the name of this symbol");

extern "C" {
WIN32_EXPORT HEADLESS_TEST HeadlessTestInterface = {
    sizeof(HEADLESS_TEST),
    headless::RecordCount<HEADLESS_MESSAGEBOX>,
    headless::GetRecord<HEADLESS_MESSAGEBOX>,
    headless::ClearRecords<HEADLESS_MESSAGEBOX>,
    headless::RecordCount<HEADLESS_TEXTOUT>,
    headless::GetRecord<HEADLESS_TEXTOUT>,
    headless::ClearRecords<HEADLESS_TEXTOUT>,
    headless::FailAllocationAfter,
    headless::RecordCount<HEADLESS_FILLRECT>,
    headless::GetRecord<HEADLESS_FILLRECT>,
    headless::ClearRecords<HEADLESS_FILLRECT>,
    headless::SetVersion,
    headless::StartComposition,
    headless::Compose,
    headless::EndComposition,
    headless::SetCompositionResult,
    headless::KeepRecords,
    headless::SetResource,
    headless::AnswerMessageBoxes,
};
}
