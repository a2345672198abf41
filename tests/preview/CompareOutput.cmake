# Runs PROGRAM with ARGS (a list) and compares what it prints with the file EXPECTED, byte for
# byte; on a difference prints what it printed.
execute_process(COMMAND ${PROGRAM} ${ARGS} OUTPUT_VARIABLE actual RESULT_VARIABLE result)
file(READ ${EXPECTED} expected)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} exited with ${result}")
endif()
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "the output differs from ${EXPECTED}:\n${actual}")
endif()
