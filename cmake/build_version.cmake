# The build version "<version>+<commit>": the release number and the commit
# the build comes from, as the package's name and its CHANGELOG carry it and
# the programs' version resources show it. Found again at every configure
# (scripts/build.sh configures before each build).
execute_process(COMMAND git rev-parse --short HEAD WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                OUTPUT_VARIABLE WG_COMMIT OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
execute_process(COMMAND git log -1 --format=%cd --date=format:%Y WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                OUTPUT_VARIABLE WG_COMMIT_YEAR OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT WG_COMMIT)
  set(WG_COMMIT unknown)
endif()
if(NOT WG_COMMIT_YEAR)
  string(TIMESTAMP WG_COMMIT_YEAR "%Y")
endif()
set(WG_BUILD_VERSION "${PROJECT_VERSION}+${WG_COMMIT}")
configure_file(${CMAKE_SOURCE_DIR}/src/resources/build_version.h.in ${CMAKE_BINARY_DIR}/generated/build_version.h)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/build_version.txt CONTENT "${WG_BUILD_VERSION}\n")
