# Runs COMMAND with ARGS and checks its exit code against EXIT; with
# VALID_JSON, also that standard output parses as JSON; with STDERR_MATCH,
# that standard error matches the regular expression, with STDOUT_MATCH that
# standard output does; with STDOUT_EMPTY, that nothing was printed on
# standard output.
execute_process(COMMAND ${COMMAND} ${ARGS}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL EXIT)
    message(FATAL_ERROR "exit code ${code}, expected ${EXIT}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(VALID_JSON)
    string(JSON states LENGTH "${out}" states)
    if(NOT states EQUAL 13)
        message(FATAL_ERROR "expected 13 states in the JSON, found ${states}")
    endif()
endif()
if(STDOUT_EMPTY AND NOT out STREQUAL "")
    message(FATAL_ERROR "expected no output, got:\n${out}")
endif()
if(DEFINED STDOUT_MATCH AND NOT out MATCHES "${STDOUT_MATCH}")
    message(FATAL_ERROR "standard output does not match ${STDOUT_MATCH}:\n${out}")
endif()
if(DEFINED STDERR_MATCH AND NOT err MATCHES "${STDERR_MATCH}")
    message(FATAL_ERROR "standard error does not match ${STDERR_MATCH}:\n${err}")
endif()
# JSON_PATH (a list of keys) and JSON_VALUE: one value of the JSON output.
if(DEFINED JSON_PATH)
    string(JSON value GET "${out}" ${JSON_PATH})
    if(NOT value STREQUAL JSON_VALUE)
        message(FATAL_ERROR "JSON ${JSON_PATH} is ${value}, expected ${JSON_VALUE}")
    endif()
endif()
# JSON_TYPE_PATH and JSON_TYPE: the JSON type (NULL, NUMBER, BOOLEAN, ...) of one value.
if(DEFINED JSON_TYPE_PATH)
    string(JSON type TYPE "${out}" ${JSON_TYPE_PATH})
    if(NOT type STREQUAL JSON_TYPE)
        message(FATAL_ERROR "JSON ${JSON_TYPE_PATH} is of type ${type}, expected ${JSON_TYPE}")
    endif()
endif()
