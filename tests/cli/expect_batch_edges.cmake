# The edges of a batch: every file it is given gets a row and a reason (a
# loop, a dangling link, a FIFO, a folder named like a span file), the CSV
# runs no formula, output targets are checked before any span is computed,
# the outputs of one command stand or fall together (a file system that
# takes the summaries but not the PDF keeps every old file), "-" is standard
# output where one output can go there, and a full standard output is a
# failed output.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/spans)

# run_calc(<exit code> <argument>...): the output in `out`, the errors in `err`.
function(run_calc expected)
    execute_process(COMMAND ${COMMAND} ${ARGN} WORKING_DIRECTORY ${OUT}
        RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT code EQUAL expected)
        message(FATAL_ERROR "${ARGN}: exit code ${code}, expected ${expected}\n${out}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_match text pattern what)
    if(NOT text MATCHES "${pattern}")
        message(FATAL_ERROR "${what}: no match for ${pattern} in:\n${text}")
    endif()
endfunction()

# No temporary file or scratch folder may stay in the folder.
function(expect_no_temporaries folder)
    file(GLOB left LIST_DIRECTORIES true ${folder}/.*)
    if(left)
        message(FATAL_ERROR "temporaries left: ${left}")
    endif()
endfunction()

# A span whose name a spreadsheet would run, with a negative height difference.
run_calc(0 --input ${DATA}/span-40m.dat --save-span ${OUT}/spans/a-good.tenrix)
file(READ ${OUT}/spans/a-good.tenrix text)
string(REGEX REPLACE "\"name\": \"[^\"]*\"" "\"name\": \"=HYPERLINK(1)\"" text "${text}")
string(REGEX REPLACE "\"heightDifference_m\": \"[^\"]*\"" "\"heightDifference_m\": \"-1.5\"" text "${text}")
file(WRITE ${OUT}/spans/a-good.tenrix "${text}")

file(CREATE_LINK b-loop.tenrix ${OUT}/spans/b-loop.tenrix SYMBOLIC)
file(CREATE_LINK no-such-file ${OUT}/spans/c-dangling.tenrix SYMBOLIC)
execute_process(COMMAND mkfifo ${OUT}/spans/d-fifo.tenrix RESULT_VARIABLE made)
if(NOT made EQUAL 0)
    message(FATAL_ERROR "mkfifo failed")
endif()
file(MAKE_DIRECTORY ${OUT}/spans/e-folder.tenrix)

run_calc(4 ${OUT}/spans --summary ${OUT}/all.csv --summary ${OUT}/all.xlsx)
expect_match("${out}" "共 5 个跨线, 计算完成 1 个" "the count")
expect_match("${err}" "b-loop.tenrix: 跨线文件 [^\n]*b-loop.tenrix 不是普通文件: 符号链接循环" "the loop")
expect_match("${err}" "c-dangling.tenrix: 找不到跨线文件 [^\n]*: 符号链接指向的文件不存在" "the dangling link")
expect_match("${err}" "d-fifo.tenrix: 跨线文件 [^\n]*d-fifo.tenrix 不是普通文件\\." "the FIFO")
expect_match("${err}" "e-folder.tenrix: 跨线文件 [^\n]*不是普通文件: 这是一个文件夹" "the folder")
file(STRINGS ${OUT}/all.csv lines)
list(LENGTH lines count)
if(NOT count EQUAL 6)
    message(FATAL_ERROR "expected a header and five rows, got ${count} lines")
endif()
# The name is text behind an apostrophe; the height difference stays a number.
list(GET lines 1 good)
expect_match("${good}" "a-good.tenrix,'=HYPERLINK\\(1\\),220,40,-1.5," "the neutralised name")
# The workbook holds the name as text, never as a formula.
execute_process(COMMAND unzip -p ${OUT}/all.xlsx xl/worksheets/sheet1.xml OUTPUT_VARIABLE sheet)
expect_match("${sheet}" "<t>=HYPERLINK\\(1\\)</t>" "the workbook's name cell")
if(sheet MATCHES "<f>")
    message(FATAL_ERROR "the workbook holds a formula")
endif()

# Named on the command line, a FIFO is no regular file, not a missing one.
run_calc(4 ${OUT}/spans/d-fifo.tenrix)
expect_match("${err}" "不是普通文件" "a FIFO named alone")

# Targets are checked before any span is computed: no count line, no span named.
run_calc(5 ${OUT}/spans --summary ${OUT}/missing/all.csv --pdf ${OUT}/all.pdf)
expect_match("${err}" "无法写入文件 “[^”]*missing/all.csv”: 文件夹不存在" "a missing folder")
if(NOT out STREQUAL "" OR err MATCHES "b-loop")
    message(FATAL_ERROR "spans were computed before the target was checked:\n${out}\n${err}")
endif()

# All or none: a file system that takes the summaries but not the PDF (a
# file size limit stands in for a full disk) keeps all three old files.
file(REMOVE_RECURSE ${OUT}/spans/b-loop.tenrix ${OUT}/spans/c-dangling.tenrix ${OUT}/spans/d-fifo.tenrix
     ${OUT}/spans/e-folder.tenrix)
foreach(i RANGE 1 6)
    file(COPY_FILE ${OUT}/spans/a-good.tenrix ${OUT}/spans/f-${i}.tenrix)
endforeach()
file(MAKE_DIRECTORY ${OUT}/small)
foreach(name all.csv all.xlsx all.pdf)
    file(WRITE ${OUT}/small/${name} "old")
endforeach()
execute_process(COMMAND sh -c "trap '' XFSZ; ulimit -f 256; exec \"$0\" \"$@\"" ${COMMAND} ${OUT}/spans
                        --summary ${OUT}/small/all.csv --summary ${OUT}/small/all.xlsx --pdf ${OUT}/small/all.pdf
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 5)
    message(FATAL_ERROR "a PDF beyond the file system's room: exit code ${code}\n${out}\n${err}")
endif()
expect_match("${err}" "all.pdf[^\n]*文件超过了文件系统允许的大小|无法生成PDF文件" "the PDF's failure")
foreach(name all.csv all.xlsx all.pdf)
    file(READ ${OUT}/small/${name} kept)
    if(NOT kept STREQUAL "old")
        message(FATAL_ERROR "${name} was replaced although the PDF failed")
    endif()
endforeach()
expect_no_temporaries(${OUT}/small)

# One span: a blocked SVG page keeps the old PNG set too.
file(MAKE_DIRECTORY ${OUT}/svg/page05.svg ${OUT}/png)
file(WRITE ${OUT}/png/page01.png "old")
run_calc(5 --svg ${OUT}/svg --png ${OUT}/png)
file(READ ${OUT}/png/page01.png kept)
if(NOT kept STREQUAL "old")
    message(FATAL_ERROR "the PNG set was replaced although an SVG page failed")
endif()
expect_no_temporaries(${OUT}/png)
expect_no_temporaries(${OUT}/svg)

# Standard output: "-" where one output can go there, refused for sets.
run_calc(0 --pdf -)
expect_match("${out}" "^%PDF-" "--pdf -")
run_calc(0 --save-span -)
expect_match("${out}" "^{\n  \"format\": \"tenrix-span\"" "--save-span -")
run_calc(0 ${OUT}/spans --pdf -)
expect_match("${out}" "^%PDF-" "a batch's --pdf -")
expect_match("${err}" "共 7 个跨线, 计算完成 7 个" "the count of a batch to standard output")
run_calc(2 --wmf -)
expect_match("${err}" "--wmf 写出多个文件, 不能写到标准输出" "--wmf -")
run_calc(2 --pdf - --json -)
if(EXISTS ${OUT}/-)
    message(FATAL_ERROR "a file named \"-\" was written")
endif()

# A full standard output is an output that was not written.
foreach(arguments "--help" "--version" "${OUT}/spans;--summary;${OUT}/full.csv")
    execute_process(COMMAND ${COMMAND} ${arguments} OUTPUT_FILE /dev/full RESULT_VARIABLE code ERROR_VARIABLE err)
    if(NOT code EQUAL 5 OR NOT err MATCHES "无法写入标准输出")
        message(FATAL_ERROR "${arguments} > /dev/full: exit code ${code}\n${err}")
    endif()
endforeach()
if(EXISTS ${OUT}/full.csv)
    message(FATAL_ERROR "the summary was written although standard output was full")
endif()
