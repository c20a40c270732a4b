# Values of desktop entry files (.desktop) as desktop environments read them.

# Sets `out_variable` to `value` written as a string value: backslash,
# newline, tab and carriage return escaped, a leading space as \s. (The
# values written are the game title, which the theme check keeps free of
# other control characters.)
function(tessal_desktop_entry_string value out_variable)
  string(REPLACE "\\" "\\\\" value "${value}")
  string(REPLACE "\n" "\\n" value "${value}")
  string(REPLACE "\t" "\\t" value "${value}")
  string(REPLACE "\r" "\\r" value "${value}")
  string(REGEX REPLACE "^ " "\\\\s" value "${value}")
  set(${out_variable} "${value}" PARENT_SCOPE)
endfunction()
