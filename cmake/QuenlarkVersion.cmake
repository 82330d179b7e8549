# The program's version is the project version of the top CMakeLists.txt and
# is written nowhere else: this writes it into <out_dir>/base/QuenlarkVersion.h
# (its template's place under src/), which the sources and the resource
# script include as "base/QuenlarkVersion.h".
#
#   quenlark_version_header(VERSION OUT_DIR)
#   quenlark_version_parts(VERSION)              sets QUENLARK_VERSION_MAJOR, _MINOR, _PATCH
#   quenlark_version_from_project(ROOT OUT_VAR)  the version in ROOT/CMakeLists.txt
#                                                (for builds of their own, e.g. tests/fuzz)
set(QUENLARK_VERSION_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/../src/base/QuenlarkVersion.h.in)

function(quenlark_version_parts version)
  if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "the project version must be MAJOR.MINOR.PATCH, not '${version}'")
  endif()
  set(QUENLARK_VERSION_MAJOR ${CMAKE_MATCH_1} PARENT_SCOPE)
  set(QUENLARK_VERSION_MINOR ${CMAKE_MATCH_2} PARENT_SCOPE)
  set(QUENLARK_VERSION_PATCH ${CMAKE_MATCH_3} PARENT_SCOPE)
endfunction()

function(quenlark_version_header version out_dir)
  quenlark_version_parts(${version})
  configure_file(${QUENLARK_VERSION_TEMPLATE} ${out_dir}/base/QuenlarkVersion.h @ONLY)
endfunction()

function(quenlark_version_from_project root out_var)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${root}/CMakeLists.txt)
  file(READ ${root}/CMakeLists.txt text)
  if(NOT text MATCHES "project\\(Quenlark[ \t\r\n]+VERSION[ \t\r\n]+([0-9.]+)")
    message(FATAL_ERROR "no project(Quenlark VERSION ...) in ${root}/CMakeLists.txt")
  endif()
  set(${out_var} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
