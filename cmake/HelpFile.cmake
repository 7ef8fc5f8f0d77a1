# The help file "ntx.chm" and the library that reads it.
#
# The help file is compiled by chmcmd from the HTML Help project in resources/help into the
# build folder, next to the natalix executable, whenever a help source changes. A broken help
# source (a page, picture or anchor that is not there) fails the build: see CompileHelp.cmake.

find_program(CHMCMD_EXECUTABLE chmcmd REQUIRED)
find_path(CHMLIB_INCLUDE_DIR chm_lib.h REQUIRED)
find_library(CHMLIB_LIBRARY chm REQUIRED)
add_library(chmlib::chmlib UNKNOWN IMPORTED)
set_target_properties(chmlib::chmlib PROPERTIES
  IMPORTED_LOCATION "${CHMLIB_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${CHMLIB_INCLUDE_DIR}")

set(NATALIX_HELP_SOURCE_DIR ${CMAKE_SOURCE_DIR}/resources/help)
set(NATALIX_HELP_FILE ${CMAKE_BINARY_DIR}/ntx.chm)
file(GLOB natalix_help_sources CONFIGURE_DEPENDS ${NATALIX_HELP_SOURCE_DIR}/*)

add_custom_command(
  OUTPUT ${NATALIX_HELP_FILE}
  COMMAND ${CMAKE_COMMAND}
          -DCHMCMD=${CHMCMD_EXECUTABLE}
          -DSOURCE=${NATALIX_HELP_SOURCE_DIR}
          -DWORK=${CMAKE_BINARY_DIR}/help
          -DOUTPUT=${NATALIX_HELP_FILE}
          -P ${CMAKE_CURRENT_LIST_DIR}/CompileHelp.cmake
  DEPENDS ${natalix_help_sources} ${CMAKE_CURRENT_LIST_DIR}/CompileHelp.cmake
  COMMENT "Compiling the help file ntx.chm"
  VERBATIM)
add_custom_target(natalix_help ALL DEPENDS ${NATALIX_HELP_FILE})
