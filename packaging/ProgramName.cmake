# The program's name on a Linux system: its command in /usr/bin, its Debian
# package, its icon and its menu entry all carry it, so it has to be a plain
# file name that is also a Debian package name: two or more of a-z, 0-9, +,
# . and -, starting with a letter or a digit.

# Sets `error_variable` to why `name` cannot be the program's name, or to
# the empty string when it can.
function(tessal_program_name_error name error_variable)
  if(name STREQUAL "")
    set(reason "it is empty")
  elseif(NOT name MATCHES "^[a-z0-9]")
    set(reason "it must start with a lower-case letter or a digit")
  elseif(NOT name MATCHES "^[a-z0-9][a-z0-9+.-]*$")
    set(reason "it may hold only lower-case letters, digits, '+', '.' and '-'")
  else()
    string(LENGTH "${name}" length)
    if(length LESS 2)
      set(reason "a Debian package name is at least two characters long")
    else()
      set(reason "")
    endif()
  endif()
  set(${error_variable} "${reason}" PARENT_SCOPE)
endfunction()

# Stops with a clear message when `name` cannot be the program's name.
function(tessal_require_program_name name)
  tessal_program_name_error("${name}" reason)
  if(NOT reason STREQUAL "")
    message(FATAL_ERROR "TESSAL_PROGRAM_NAME \"${name}\" cannot name the program: ${reason}. "
                        "It is the command in /usr/bin and the Debian package's name, e.g. \"tessal\".")
  endif()
endfunction()
