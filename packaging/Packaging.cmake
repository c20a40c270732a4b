# The Debian package (packaging/) and, with TESSAL_PACKAGE_TESTS, its tests
# (tests/package/). Included from the top level rather than added as a
# folder, so that the tests can be on while the others are off: CTest reads
# the tests from the build folder's root.
option(TESSAL_PACKAGE_TESTS "Test the Debian package the package target makes" OFF)
if(TESSAL_PACKAGE_TESTS)
  enable_testing()
endif()
add_subdirectory(${CMAKE_CURRENT_LIST_DIR} ${PROJECT_BINARY_DIR}/packaging)
