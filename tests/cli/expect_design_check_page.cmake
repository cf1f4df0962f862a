# With --design-check the report has page 18 "设计校核": the metafile set
# reaches _NO_18 and the texts list holds the page.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${COMMAND} --design-check --wmf ${OUT}/report --texts ${OUT}/texts.tsv
    RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "exit code ${code}\n${err}")
endif()
if(NOT EXISTS ${OUT}/report_NO_18.wmf OR EXISTS ${OUT}/report_NO_19.wmf)
    message(FATAL_ERROR "expected exactly 18 pages")
endif()
file(READ ${OUT}/texts.tsv texts)
foreach(expected "\n18\t594\t130\t[^\n]*\t设计校核\n" "第18页 共18页" "未给定额定拉断力, 未校核")
    if(NOT texts MATCHES "${expected}")
        message(FATAL_ERROR "texts.tsv does not match ${expected}")
    endif()
endforeach()
