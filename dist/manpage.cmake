# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the manual page from the text that `lentaro --help` prints, read out of the
# program's source rather than by running the program, so that the page and the help
# cannot differ and a cross-build can make it too.
# Usage: cmake -DSOURCE=CommandLine.cpp -DVERSION=1.0 -DSUMMARY=... -DOUT=lentaro.1 -P manpage.cmake

# Text as roff prints it literally: backslashes and hyphens escaped, and no line taken
# for a request because it starts with a dot or a quote.
function(roff var text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
    set(${var} "${text}" PARENT_SCOPE)
endfunction()

file(READ "${SOURCE}" code)
string(FIND "${code}" "R\"help(" start)
string(FIND "${code}" ")help\"" end)
if(start EQUAL -1 OR end EQUAL -1)
    message(FATAL_ERROR "${SOURCE} holds no R\"help(...)help\" text")
endif()
math(EXPR start "${start} + 7")
math(EXPR length "${end} - ${start}")
string(SUBSTRING "${code}" ${start} ${length} help)
if(NOT help MATCHES "^Usage: ([^ \n]+) ([^\n]*)\n")
    message(FATAL_ERROR "the help text does not start with 'Usage: PROGRAM ...'")
endif()
set(program "${CMAKE_MATCH_1}")
roff(synopsis "${CMAKE_MATCH_2}")
string(FIND "${help}" "\n" newline)
math(EXPR newline "${newline} + 1")
string(SUBSTRING "${help}" ${newline} -1 rest)
# The lines become a CMake list, which these would break.
if(rest MATCHES "[][;]")
    message(FATAL_ERROR "the help text may not hold ';', '[' or ']' after its usage line")
endif()
string(REPLACE "\n" ";" lines "${rest}")

# Lines up to "Options:" describe the program, a blank one between paragraphs; each
# option line is its names, two or more blanks, and what it does, which may go on in
# further indented lines.
set(description "")
set(options "")
set(in_options FALSE)
foreach(line IN LISTS lines)
    if(line STREQUAL "Options:")
        set(in_options TRUE)
    elseif(NOT in_options)
        if(line STREQUAL "")
            string(APPEND description ".PP\n")
        else()
            roff(line "${line}")
            string(APPEND description "${line}\n")
        endif()
    elseif(line MATCHES "^  (-[^ ]*( -[^ ]*)*)  +(.*)$")
        roff(names "${CMAKE_MATCH_1}")
        roff(what "${CMAKE_MATCH_3}")
        string(APPEND options ".TP\n.B ${names}\n${what}\n")
    elseif(line MATCHES "^   +(.*)$")
        roff(what "${CMAKE_MATCH_1}")
        string(APPEND options "${what}\n")
    elseif(NOT line STREQUAL "")
        message(FATAL_ERROR "the help text's option line '${line}' has no known shape")
    endif()
endforeach()
string(REGEX REPLACE "(\\.PP\n)+$" "" description "${description}")
if(options STREQUAL "")
    message(FATAL_ERROR "the help text lists no options")
endif()

string(TOUPPER "${program}" title)
# The name line is a phrase that goes on from the program's name: no capital.
string(SUBSTRING "${SUMMARY}" 0 1 first)
string(SUBSTRING "${SUMMARY}" 1 -1 others)
string(TOLOWER "${first}" first)
roff(summary "${first}${others}")
file(WRITE "${OUT}" ".\\\" SPDX-License-Identifier: GPL-3.0-or-later
.\\\" Made at build time from what `${program} --help` prints (CommandLine.cpp).
.TH ${title} 1 \"\" \"${program} ${VERSION}\" \"User Commands\"
.SH NAME
${program} \\- ${summary}
.SH SYNOPSIS
.B ${program}
${synopsis}
.SH DESCRIPTION
${description}.SH OPTIONS
${options}")
