# Read by CPack before it installs anything into a package: what would make
# a package that installs but does not work stops it here.
string(LENGTH "${CPACK_TESSAL_START_PAGE}" start_page_length)
if(start_page_length EQUAL 0)
  message(FATAL_ERROR "TESSAL_START_PAGE is empty: the package's program would only show an error. "
                      "Configure with -DTESSAL_START_PAGE=<the start page's address> and make the package again.")
endif()
# The package's Depends lists the libraries the program links only through
# dpkg-shlibdeps; without it CPack would quietly leave them out.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(TESSAL_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(NOT TESSAL_DPKG_SHLIBDEPS)
    message(FATAL_ERROR "The Debian package needs dpkg-shlibdeps (Debian package dpkg-dev) "
                        "to list the libraries the program links")
  endif()
endif()
