# A span file written from a case's two data files computes exactly as the
# two files do: the same JSON to the last byte, or the same refusal with the
# same message and exit code.
set(span ${OUT}/case.tenrix)
file(REMOVE ${span})
execute_process(COMMAND ${COMMAND} --input ${CASE}/temp_input.dat --options ${CASE}/default.dat --save-span ${span}
    RESULT_VARIABLE saved OUTPUT_VARIABLE savedOut ERROR_VARIABLE savedErr)
if(NOT saved EQUAL 0 OR NOT savedOut STREQUAL "" OR NOT EXISTS ${span})
    message(FATAL_ERROR "--save-span: exit code ${saved}\n${savedOut}\n${savedErr}")
endif()
execute_process(COMMAND ${COMMAND} --input ${CASE}/temp_input.dat --options ${CASE}/default.dat --json -
    RESULT_VARIABLE fromFilesCode OUTPUT_VARIABLE fromFiles ERROR_VARIABLE fromFilesErr)
execute_process(COMMAND ${COMMAND} ${span} --json -
    RESULT_VARIABLE fromSpanCode OUTPUT_VARIABLE fromSpan ERROR_VARIABLE fromSpanErr)
if(NOT fromFilesCode EQUAL fromSpanCode)
    message(FATAL_ERROR "exit codes ${fromFilesCode} (two files) and ${fromSpanCode} (span file)\n${fromSpanErr}")
endif()
if(NOT fromFiles STREQUAL fromSpan)
    message(FATAL_ERROR "the span file gives another JSON than the two files")
endif()
if(NOT fromFilesErr STREQUAL fromSpanErr)
    message(FATAL_ERROR "messages differ:\n${fromFilesErr}\nand\n${fromSpanErr}")
endif()
