# SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A test run as several CTest cases: its cases, together, run every function
# of it and every row of each, so a function or row added later is not left
# out. Run by CTest:
#   cmake -DPROGRAM=<area>_tests -DTEST=<test> -DRUNS=<what the cases run> -P parts.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${PROGRAM} ${TEST} -datatags RESULT_VARIABLE failed OUTPUT_VARIABLE listed ERROR_VARIABLE said)
if(failed)
    message(FATAL_ERROR "${TEST} does not list its functions:\n${said}")
endif()
string(REPLACE "\n" ";" lines "${listed}")
set(left "")
foreach(line ${lines})
    # "<class> <function>" or "<class> <function> <row>"
    string(REPLACE " " ";" words "${line}")
    list(LENGTH words count)
    if(count LESS 2)
        continue()
    endif()
    list(GET words 1 function)
    set(row "")
    if(count GREATER 2)
        list(GET words 2 row)
    endif()
    if(NOT function IN_LIST RUNS AND NOT "${function}:${row}" IN_LIST RUNS)
        list(APPEND left "${function} ${row}")
    endif()
endforeach()
if(NOT lines)
    message(FATAL_ERROR "${TEST} lists no functions")
endif()
if(left)
    list(JOIN left "\n  " left)
    message(FATAL_ERROR "no case of ${TEST} runs:\n  ${left}")
endif()
