# The program names the package accepts, and why it refuses the others.
#   cmake -DPACKAGING_DIR=<packaging folder> -P program_name_test.cmake
include(${PACKAGING_DIR}/ProgramName.cmake)

# name | the reason's words, empty when the name is accepted
set(cases
  "tessal|"
  "qorvan-online|"
  "g2|"
  "9lives|"
  "game+client.v1|"
  "|empty"
  "t|at least two characters"
  "Tessal|start with a lower-case letter"
  "-tessal|start with a lower-case letter"
  ".tessal|start with a lower-case letter"
  "+tessal|start with a lower-case letter"
  "tessal game|only lower-case letters"
  "tessal/bin|only lower-case letters"
  "tessal_game|only lower-case letters"
  "tessAl|only lower-case letters"
  "tessal\n|only lower-case letters"
  "游戏|start with a lower-case letter"
)

set(failures 0)
foreach(case IN LISTS cases)
  string(REPLACE "\\n" "\n" case "${case}")
  string(FIND "${case}" "|" bar)
  string(SUBSTRING "${case}" 0 ${bar} name)
  math(EXPR after "${bar} + 1")
  string(SUBSTRING "${case}" ${after} -1 words)
  tessal_program_name_error("${name}" reason)
  if(words STREQUAL "" AND NOT reason STREQUAL "")
    message(SEND_ERROR "\"${name}\" is refused (${reason}), but is a good name")
  elseif(NOT words STREQUAL "" AND reason STREQUAL "")
    message(SEND_ERROR "\"${name}\" is accepted, but cannot be a Debian package's name and a command")
  elseif(NOT words STREQUAL "")
    string(FIND "${reason}" "${words}" at)
    if(at LESS 0)
      message(SEND_ERROR "\"${name}\" is refused with \"${reason}\", not for \"${words}\"")
    endif()
  endif()
endforeach()
