# Writes the man page talvora.1: the fixed sections of talvora.1.in around the
# program's own --help texts, so that every tool the program lists is
# described exactly as its --help describes it, and a new tool needs no edit
# here. Run by the build:
#   cmake -DTALVORA=program -DTEMPLATE=talvora.1.in -DOUTPUT=talvora.1
#         -DPROJECT_VERSION=x.y -DMODULE_DIR=lib/talvora -P ManPage.cmake

cmake_policy(SET CMP0007 NEW)
function(talvora_help out)
    execute_process(COMMAND ${TALVORA} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "talvora ${ARGN} ended with ${code}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The text as a block printed line for line: roff's escape character, minus
# signs (so that options can be copied) and control characters at a line start
# are escaped.
function(roff_block out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} ".nf\n${text}.fi\n" PARENT_SCOPE)
endfunction()

talvora_help(usage --help)
set(heading "Polecenia:\n")
string(FIND "${usage}" "${heading}" at)
if(at LESS 0)
    message(FATAL_ERROR "talvora --help lists no tools under \"${heading}\"")
endif()
string(SUBSTRING "${usage}" 0 ${at} options)
string(LENGTH "${heading}" length)
math(EXPR at "${at} + ${length}")
string(SUBSTRING "${usage}" ${at} -1 listed)

roff_block(TALVORA_MAN_OPTIONS "${options}")
set(TALVORA_MAN_COMMANDS "")
# One line per tool: two blanks, the name, two blanks, what it does.
string(REGEX REPLACE "  ([^ \n]+)  [^\n]*\n?" "\\1;" names "${listed}")
list(REMOVE_ITEM names "")
foreach(name IN LISTS names)
    talvora_help(help ${name} --help)
    roff_block(block "${help}")
    string(APPEND TALVORA_MAN_COMMANDS ".SS ${name}\n${block}")
endforeach()
string(STRIP "${TALVORA_MAN_COMMANDS}" TALVORA_MAN_COMMANDS)
string(STRIP "${TALVORA_MAN_OPTIONS}" TALVORA_MAN_OPTIONS)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
