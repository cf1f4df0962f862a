# The JSON of the default span and of the files saved with its defaults must
# be the same to the last digit.
execute_process(COMMAND ${COMMAND} --json ${OUT}/without-files.json RESULT_VARIABLE first OUTPUT_QUIET)
execute_process(COMMAND ${COMMAND} --input ${DATA}/defaults-temp_input.dat --options ${DATA}/defaults-default.dat
                        --json ${OUT}/with-files.json
    RESULT_VARIABLE second OUTPUT_QUIET)
if(NOT first EQUAL 0 OR NOT second EQUAL 0)
    message(FATAL_ERROR "exit codes ${first} and ${second}")
endif()
file(READ ${OUT}/without-files.json withoutFiles)
file(READ ${OUT}/with-files.json withFiles)
if(NOT withoutFiles STREQUAL withFiles)
    message(FATAL_ERROR "results differ between the defaults and the files saved with them")
endif()
