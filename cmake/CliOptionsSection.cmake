# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the OPTIONS section of tavoric-cli's manual page as help2man include text: a subsection
# per command with its usage line and the help text that explains its options, both as the
# program's own help gives them.
#   cmake -DCLI=tavoric-cli -DOUTPUT=options.h2m -P CliOptionsSection.cmake

function(roff_text text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE overview COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\n  [a-z][a-z-]*" commands "${overview}")
set(section "[OPTIONS]\n")
foreach(command ${commands})
    string(STRIP "${command}" command)
    execute_process(COMMAND ${CLI} help ${command} OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
    string(STRIP "${help}" help)
    # The first line is the usage, the rest the explanation.
    string(FIND "${help}" "\n" end)
    string(SUBSTRING "${help}" 0 ${end} usage)
    string(SUBSTRING "${help}" ${end} -1 explanation)
    string(REGEX REPLACE "^[^:]*: *" "" usage "${usage}")
    string(STRIP "${explanation}" explanation)
    roff_text("${command}" name)
    roff_text("${usage}" usage)
    roff_text("${explanation}" explanation)
    string(APPEND section ".SS ${name}\n.B ${usage}\n.PP\n${explanation}\n")
endforeach()
file(WRITE ${OUTPUT} "${section}")
