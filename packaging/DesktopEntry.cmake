# Values of desktop entry files (.desktop) as desktop environments read them.

# Sets `out_variable` to `value` written as a string value: backslash,
# newline, tab and carriage return escaped, a leading space as \s. Other
# control characters cannot be in a value: they stop with a clear message.
function(tessal_desktop_entry_string value what out_variable)
  foreach(code RANGE 1 127)
    if(code GREATER 31 AND code LESS 127 OR code EQUAL 9 OR code EQUAL 10 OR code EQUAL 13)
      continue()
    endif()
    string(ASCII ${code} control)
    string(FIND "${value}" "${control}" at)
    if(at GREATER_EQUAL 0)
      message(FATAL_ERROR "${what} holds a control character (code ${code}), which a desktop entry cannot hold")
    endif()
  endforeach()
  string(REPLACE "\\" "\\\\" value "${value}")
  string(REPLACE "\n" "\\n" value "${value}")
  string(REPLACE "\t" "\\t" value "${value}")
  string(REPLACE "\r" "\\r" value "${value}")
  string(REGEX REPLACE "^ " "\\\\s" value "${value}")
  set(${out_variable} "${value}" PARENT_SCOPE)
endfunction()
