# Inputs that cannot be read as written: each is refused with exit code 4
# and a message naming the file and the key or line; none is computed with
# another value, none crashes the command, and a batch finishes its other
# spans. The spans are variants of the default span as --save-span writes it.
function(run_calc expected)
    execute_process(COMMAND ${COMMAND} ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT code STREQUAL expected)
        message(FATAL_ERROR "${ARGN}: exit code ${code}, expected ${expected}\n${out}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_error pattern)
    if(NOT err MATCHES "${pattern}")
        message(FATAL_ERROR "standard error does not match ${pattern}:\n${err}")
    endif()
endfunction()

# The default span with the one text \a from replaced by \a to, written to \a file.
function(variant file from to)
    string(FIND "${base}" "${from}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "not in the saved span: ${from}")
    endif()
    string(REPLACE "${from}" "${to}" text "${base}")
    file(WRITE ${file} "${text}")
endfunction()

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/spans)
run_calc(0 --save-span ${OUT}/base.tenrix)
file(READ ${OUT}/base.tenrix base)

# A bundle count that is no whole number as written computed as 1.
variant(${OUT}/bundle.tenrix "\"bundleCount\": \"2\"" "\"bundleCount\": \"2.0\"")
run_calc(4 ${OUT}/bundle.tenrix)
expect_error("bundle.tenrix 中 \"conductor.bundleCount\" 的值应为不带小数点")

# An empty text failed the calculation (exit 3) without naming file or key.
variant(${OUT}/height.tenrix "\"heightDifference_m\": \"3\"" "\"heightDifference_m\": \"\"")
run_calc(4 ${OUT}/height.tenrix --json -)
expect_error("height.tenrix 中 \"span.heightDifference_m\"\\(高差h\\(m\\)\\) 的值为空")
if(NOT out STREQUAL "")
    message(FATAL_ERROR "a refused span printed:\n${out}")
endif()

# A number beyond double aborted the program.
variant(${OUT}/huge.tenrix "\"version\": 1," "\"version\": 1,\n  \"x\": 1e400,")
run_calc(4 ${OUT}/huge.tenrix)
expect_error("huge.tenrix 第 4 行第 [0-9]+ 列 \"x\" 的数值超出可表示的范围")

# The settings of --checks: the same rules.
file(WRITE ${OUT}/checks-huge.json "{\"stringShortTermFactor\": 1e400}")
run_calc(4 --checks ${OUT}/checks-huge.json --json -)
expect_error("checks-huge.json 第 1 行第 [0-9]+ 列 \"stringShortTermFactor\" 的数值超出可表示的范围")
file(WRITE ${OUT}/checks-single.json "{\"stringShortTermFactor\": \"1e300\"}")
run_calc(4 --checks ${OUT}/checks-single.json --json -)
expect_error("checks-single.json: 设计校核: “绝缘子串短时荷载安全系数”")
file(WRITE ${OUT}/checks-twice.json "{\"stringShortTermFactor\": \"3\", \"stringShortTermFactor\": \"4\"}")
run_calc(4 --checks ${OUT}/checks-twice.json --json -)
expect_error("checks-twice.json 中 \"stringShortTermFactor\" 出现了不止一次")
run_calc(4 --checks /dev/zero --json -)
expect_error("/dev/zero”: 不是普通文件")
execute_process(COMMAND mkfifo ${OUT}/checks-fifo RESULT_VARIABLE fifo)
if(fifo EQUAL 0)
    run_calc(4 --checks ${OUT}/checks-fifo --json -)
    expect_error("checks-fifo”: 不是普通文件")
endif()

# A batch with a span nested 100 000 deep and one with 1e400 computes the
# good span, names both and ends with the worst span's code.
file(WRITE ${OUT}/spans/a-good.tenrix "${base}")
string(REPEAT "[" 100000 open)
string(REPEAT "]" 100000 close)
variant(${OUT}/spans/b-deep.tenrix "\"version\": 1," "\"version\": 1,\n  \"x\": ${open}${close},")
file(COPY ${OUT}/huge.tenrix DESTINATION ${OUT}/spans)
run_calc(4 ${OUT}/spans --summary ${OUT}/summary.csv)
expect_error("b-deep.tenrix: 文件 [^\n]*b-deep.tenrix 不是跨线文件: 第 4 行第 [0-9]+ 列处的 {} 或 \\[\\] 嵌套超过 16 层")
expect_error("huge.tenrix: 跨线文件 [^\n]*huge.tenrix 第 4 行")
file(STRINGS ${OUT}/summary.csv rows)
list(GET rows 1 good)
if(NOT good MATCHES "a-good.tenrix,.*,计算完成$")
    message(FATAL_ERROR "the good span's row: ${good}")
endif()

# What no span can have is refused; what is only unusual computes (exit 0)
# with a warning on standard error, in the JSON and in the batch summary.
variant(${OUT}/sag-beyond-span.tenrix "\"controlSag_m\": \"2\"" "\"controlSag_m\": \"100000\"")
run_calc(4 ${OUT}/sag-beyond-span.tenrix)
expect_error("控制弧垂f\\(m\\)应小于跨距L\\(m\\)")
variant(${OUT}/long-span.tenrix "\"spanLength_m\": \"36\"" "\"spanLength_m\": \"250\"")
run_calc(0 ${OUT}/long-span.tenrix --json -)
expect_error("警告: 跨距L\\(m\\)为250m,常用10 ~ 200m")
if(NOT out MATCHES "\"warnings\": \\[\n *\"跨距L\\(m\\)为250m")
    message(FATAL_ERROR "the JSON carries no warning:\n${out}")
endif()
run_calc(0 ${OUT}/long-span.tenrix ${OUT}/base.tenrix --summary ${OUT}/warned.csv)
expect_error("long-span.tenrix: 警告: 跨距L\\(m\\)为250m")
file(READ ${OUT}/warned.csv summary)
if(NOT summary MATCHES ",警告,状态" OR NOT summary MATCHES "跨距L\\(m\\)为250m[^\n]*,计算完成")
    message(FATAL_ERROR "the summary carries no warning:\n${summary}")
endif()
