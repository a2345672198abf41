# Opens every dialog of the resource file RES with the previewer PROGRAM and the key script KEYS,
# and compares what came of each, one line a dialog, with the file EXPECTED:
#   ID walked              the controller took the dialog and the keys went through it
#   ID uncontrolled: WHY   the dialog was shown without the controller, for the reason given
#   ID key N (KEY) left the focus outside the dialog
#   ID refused: WHY        the dialog could not be shown, for the reason given
execute_process(COMMAND ${PROGRAM} --res ${RES} --list OUTPUT_VARIABLE ids RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} cannot list the templates of ${RES}")
endif()
string(REGEX REPLACE "\n$" "" ids "${ids}")
string(REPLACE "\n" ";" ids "${ids}")
set(actual "")
foreach(id ${ids})
    execute_process(COMMAND ${PROGRAM} --res ${RES} --template ${id} --keys ${KEYS}
                    OUTPUT_VARIABLE report ERROR_VARIABLE error RESULT_VARIABLE result)
    if(result EQUAL 2)
        string(REGEX REPLACE "^preview: ([^\n]*)\n.*$" "refused: \\1" outcome "${error}")
    elseif(NOT result EQUAL 0)
        set(outcome "failed: ${result} ${error}")
    elseif(report MATCHES "\nIME [^\n|]*\\| ((uncontrolled|key [0-9]+ )[^\n|]*[^\n| ])")
        set(outcome "${CMAKE_MATCH_1}")
    else()
        set(outcome "walked")
    endif()
    string(APPEND actual "${id} ${outcome}\n")
endforeach()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "the dialogs of ${RES} differ from ${EXPECTED}:\n${actual}")
endif()
