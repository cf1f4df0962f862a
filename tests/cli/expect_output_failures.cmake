# Runs COMMAND in the folder OUT against outputs that cannot be written, and
# checks that each ends with exit code 5 and a message naming the cause,
# that nothing written before is lost, and that no temporary file is left.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

# expect_failure(<stdout file> <stderr regex> <argument>...)
function(expect_failure stdout pattern)
    execute_process(COMMAND ${COMMAND} ${ARGN} WORKING_DIRECTORY ${OUT}
        RESULT_VARIABLE code OUTPUT_FILE ${stdout} ERROR_VARIABLE err)
    if(NOT code EQUAL 5)
        message(FATAL_ERROR "${ARGN}: exit code ${code}, expected 5\n${err}")
    endif()
    if(NOT err MATCHES "${pattern}")
        message(FATAL_ERROR "${ARGN}: standard error does not match ${pattern}:\n${err}")
    endif()
endfunction()

# A set of pages is all or nothing: page 17 cannot be written (a folder has
# its name), so pages 1 to 16 keep what they held.
foreach(page 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16)
    file(WRITE ${OUT}/old_NO_${page}.wmf "old page")
endforeach()
file(MAKE_DIRECTORY ${OUT}/old_NO_17.wmf)
expect_failure(/dev/null "保存文件“old_NO_17.wmf”失败：目标是一个文件夹" --wmf old)
file(READ ${OUT}/old_NO_01.wmf first)
file(READ ${OUT}/old_NO_16.wmf last)
if(NOT first STREQUAL "old page" OR NOT last STREQUAL "old page")
    message(FATAL_ERROR "a failed --wmf replaced pages of the old set")
endif()

expect_failure(/dev/null "无法写入文件 “missing/result.json”: 文件夹不存在" --json missing/result.json)
expect_failure(/dev/null "无法写入文件 “/dev/full”: 磁盘已满" --texts /dev/full)
expect_failure(/dev/full "无法写入标准输出: 磁盘已满" --json -)
expect_failure(/dev/full "无法写入标准输出: 磁盘已满")

file(GLOB left LIST_DIRECTORIES true RELATIVE ${OUT} ${OUT}/.* ${OUT}/*)
list(LENGTH left count)
if(NOT count EQUAL 17)
    message(FATAL_ERROR "the folder holds other files than the old set: ${left}")
endif()

# "-" is standard output for the texts too, never a file of that name; a
# device as target is written into and stays a device.
execute_process(COMMAND ${COMMAND} --texts - --pdf /dev/null WORKING_DIRECTORY ${OUT}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR NOT out MATCHES "^1\t[0-9]+\t[0-9]+\t[0-9]+\t")
    message(FATAL_ERROR "--texts - gave exit code ${code} and:\n${out}\n${err}")
endif()
if(EXISTS ${OUT}/-)
    message(FATAL_ERROR "--texts - wrote a file named \"-\"")
endif()
# /dev/stdout names no file when standard output is a pipe; it is written into.
execute_process(COMMAND ${COMMAND} --json /dev/stdout RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR NOT out MATCHES "^{")
    message(FATAL_ERROR "--json /dev/stdout gave exit code ${code} and:\n${out}\n${err}")
endif()
execute_process(COMMAND stat -c %F /dev/null OUTPUT_VARIABLE kind OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT kind STREQUAL "character special file")
    message(FATAL_ERROR "/dev/null is now a ${kind}")
endif()
