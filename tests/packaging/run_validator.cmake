# Runs TOOL [TOOL_ARGS] FILE and fails on a nonzero exit code. Prints
# "SKIPPED:" (the test's skip pattern) when TOOL is not installed.
find_program(TOOL_PATH ${TOOL})
if(NOT TOOL_PATH)
    message("SKIPPED: ${TOOL} is not installed")
    return()
endif()
execute_process(COMMAND ${TOOL_PATH} ${TOOL_ARGS} ${FILE}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "${TOOL} refused ${FILE} (exit code ${code}):\n${out}${err}")
endif()
message("${out}${err}")
