# Runs COMMAND with every report output into the folder OUT and checks what
# it wrote.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${COMMAND} --pdf ${OUT}/report.pdf --wmf ${OUT}/report --emf ${OUT}/report
                        --svg ${OUT}/svg --png ${OUT}/png --texts ${OUT}/texts.tsv
    RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "exit code ${code}\n${err}")
endif()

file(READ ${OUT}/report.pdf pdf LIMIT 8)
if(NOT pdf MATCHES "^%PDF")
    message(FATAL_ERROR "report.pdf is no PDF")
endif()
foreach(page 01 09 10 17)
    foreach(file report_NO_${page}.wmf report_NO_${page}.emf svg/page${page}.svg png/page${page}.png)
        if(NOT EXISTS ${OUT}/${file})
            message(FATAL_ERROR "missing ${file}")
        endif()
    endforeach()
endforeach()
if(EXISTS ${OUT}/report_NO_18.wmf)
    message(FATAL_ERROR "more than 17 pages")
endif()
# Placeable metafile key 0x9AC6CDD7, little-endian.
file(READ ${OUT}/report_NO_01.wmf key LIMIT 4 HEX)
if(NOT key STREQUAL "d7cdc69a")
    message(FATAL_ERROR "report_NO_01.wmf starts with ${key}, not the placeable key")
endif()

# One line per text: page, x, y, size, anchor, colour, text. The page-1
# labels of the string sags name metres.
file(STRINGS ${OUT}/texts.tsv lines ENCODING UTF-8)
list(LENGTH lines count)
if(count LESS 500)
    message(FATAL_ERROR "only ${count} texts listed")
endif()
file(READ ${OUT}/texts.tsv texts)
foreach(expected "\tfQA\\(m\\)\n" "\tfQB\\(m\\)\n" "\t008080\t" "^1\t")
    if(NOT texts MATCHES "${expected}")
        message(FATAL_ERROR "texts.tsv does not match ${expected}")
    endif()
endforeach()
if(texts MATCHES "fQA\\(kN\\)")
    message(FATAL_ERROR "texts.tsv still labels the string sag in kN")
endif()
