# Flags every target of the project gets.

# The program's narrow strings are code page 936 bytes; the sources stay UTF-8.
# Clang cannot do this (it only knows UTF-8), so the fuzz build, which has no
# text of its own, goes without.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP936)
endif()

add_compile_options(-Wall -Wextra)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # g++ 12 reports impossible overlaps inside std::string when optimising (GCC bug 105329).
  add_compile_options(-Wno-restrict)
endif()
if(TESSAL_WERROR)
  add_compile_options(-Werror)
endif()

if(TESSAL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
  if(TESSAL_GTK)
    # WebKit is built without RTTI and calls the inline parts of std::shared_ptr
    # that our executables export: its objects would then go through our
    # instrumented copies, whose vptr check cannot read their types.
    add_compile_options(-fno-sanitize=vptr)
  endif()
endif()

if(WIN32)
  # No toolchain DLL may be needed next to the program.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
