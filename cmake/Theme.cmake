# The theme the program is built with: its pictures, icon and game title
# (docs/theme.md). The theme is checked when the build is configured, by
# tessal-theme built for this machine on its own, so that a theme with a
# fault stops here with the check's messages, for every preset.
set(TESSAL_THEME ${PROJECT_SOURCE_DIR}/res CACHE PATH
    "The theme folder: the program's pictures, icon and game title (docs/theme.md)")
get_filename_component(TESSAL_THEME_DIR "${TESSAL_THEME}" ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR})
get_filename_component(TESSAL_DEFAULT_THEME_DIR ${PROJECT_SOURCE_DIR}/res ABSOLUTE)
set(TESSAL_THEME_TOOL "" CACHE FILEPATH
    "A tessal-theme already built for this machine (else it is built while configuring)")

# Builds tessal-theme with the machine's own compiler, also when this build
# is a cross build, and sets TESSAL_THEME_PROGRAM to it.
function(tessal_build_theme_tool)
  if(TESSAL_THEME_TOOL)
    set(TESSAL_THEME_PROGRAM ${TESSAL_THEME_TOOL} PARENT_SCOPE)
    return()
  endif()
  set(dir ${CMAKE_BINARY_DIR}/theme-tool)
  find_program(TESSAL_HOST_CXX NAMES g++ c++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  set(launcher "")
  find_program(TESSAL_HOST_CCACHE ccache NO_CMAKE_FIND_ROOT_PATH)
  if(TESSAL_HOST_CCACHE)
    set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${TESSAL_HOST_CCACHE})
  endif()
  if(NOT EXISTS ${dir}/CMakeCache.txt)
    message(STATUS "Building tessal-theme to check the theme")
    execute_process(
      COMMAND ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR}/tools/theme -B ${dir} -G Ninja
              -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${TESSAL_HOST_CXX} ${launcher}
      RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(failed)
      message(FATAL_ERROR "Cannot configure tessal-theme for this machine:\n${output}")
    endif()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir} --target tessal-theme
                  RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(failed)
    message(FATAL_ERROR "Cannot build tessal-theme for this machine:\n${output}")
  endif()
  set(TESSAL_THEME_PROGRAM ${dir}/tessal-theme PARENT_SCOPE)
endfunction()

# Checks the theme in `dir` and sets `title_var` to its game title (UTF-8).
# The configure step runs again when a file of the theme changes.
function(tessal_check_theme dir title_var)
  execute_process(COMMAND ${TESSAL_THEME_PROGRAM} check ${dir}
                  RESULT_VARIABLE failed OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(failed)
    message(FATAL_ERROR "The theme ${dir} cannot be built (tessal-theme check):\n${report}")
  endif()
  list(TRANSFORM TESSAL_THEME_FILES PREPEND ${dir}/ OUTPUT_VARIABLE files)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${files})
  execute_process(COMMAND ${TESSAL_THEME_PROGRAM} title ${dir} OUTPUT_VARIABLE title
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${title_var} "${title}" PARENT_SCOPE)
endfunction()

# A string literal for C++ or for the resource compiler (which doubles quotes).
function(tessal_quote text style out_var)
  string(REPLACE "\\" "\\\\" text "${text}")
  if(style STREQUAL "rc")
    string(REPLACE "\"" "\"\"" text "${text}")
  else()
    string(REPLACE "\"" "\\\"" text "${text}")
  endif()
  set(${out_var} "\"${text}\"" PARENT_SCOPE)
endfunction()

# The Windows program's resource script for this theme (res/CMakeLists.txt).
set(TESSAL_RESOURCE_SCRIPT ${CMAKE_BINARY_DIR}/res/tessal.rc)

tessal_build_theme_tool()
# The files of every theme, relative to its folder, and the artwork among them.
execute_process(COMMAND ${TESSAL_THEME_PROGRAM} files OUTPUT_VARIABLE TESSAL_THEME_FILES
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" TESSAL_THEME_FILES "${TESSAL_THEME_FILES}")
set(TESSAL_THEME_ARTWORK ${TESSAL_THEME_FILES})
list(FILTER TESSAL_THEME_ARTWORK INCLUDE REGEX "\\.(bmp|ico)$")
tessal_check_theme(${TESSAL_THEME_DIR} TESSAL_GAME_TITLE)
tessal_check_theme(${TESSAL_DEFAULT_THEME_DIR} TESSAL_DEFAULT_GAME_TITLE)
if(NOT TESSAL_THEME_DIR STREQUAL TESSAL_DEFAULT_THEME_DIR)
  message(STATUS "Theme: ${TESSAL_THEME_DIR} (\"${TESSAL_GAME_TITLE}\")")
endif()
