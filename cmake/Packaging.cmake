# The release: quenlark.exe stripped with its debug information in a file of
# its own beside it, and the zip a user unpacks into a folder of their own
# (install() rules read by CPack's ZIP generator).
#
#   QUENLARK_SPLIT_DEBUG  quenlark.exe stripped after linking, its debug
#                         information in quenlark.exe.debug (src/CMakeLists.txt)
#   QUENLARK_PACKAGE_DIR  where cpack writes the zips
#
# The program zip, quenlark-<version>-win64.zip (win32 for i686), holds one
# folder of the same name with quenlark.exe, the help files (Japanese and
# English) when the help is built, and the readmes.
# quenlark-<version>-win64-debug.zip holds quenlark.exe.debug in a folder of
# the same name as the program's, for reading crash addresses of that very
# build.

set(QUENLARK_PACKAGE_DIR ${PROJECT_BINARY_DIR}/packages CACHE PATH "Where cpack writes the release zips")

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QUENLARK_PACKAGE_ARCH win64)
else()
  set(QUENLARK_PACKAGE_ARCH win32)
endif()
set(QUENLARK_PACKAGE_NAME quenlark-${PROJECT_VERSION}-${QUENLARK_PACKAGE_ARCH})

install(TARGETS quenlark RUNTIME DESTINATION ${QUENLARK_PACKAGE_NAME} COMPONENT program)
# The readmes are CRLF text for Notepad: installed as they are in dist/.
install(FILES ${PROJECT_SOURCE_DIR}/dist/readme-ja.txt ${PROJECT_SOURCE_DIR}/dist/readme-en.txt
        DESTINATION ${QUENLARK_PACKAGE_NAME} COMPONENT program)
# The help files, when the help is built (help/CMakeLists.txt defines the
# target quenlark_help and QUENLARK_HELP_FILES, the built Quenlark.chm and
# Quenlark-en.chm).
if(TARGET quenlark_help)
  install(FILES ${QUENLARK_HELP_FILES} DESTINATION ${QUENLARK_PACKAGE_NAME} COMPONENT program)
endif()
if(QUENLARK_SPLIT_DEBUG)
  install(FILES $<TARGET_FILE:quenlark>.debug DESTINATION ${QUENLARK_PACKAGE_NAME} COMPONENT debug)
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quenlark)
set(CPACK_PACKAGE_VENDOR Kestrow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${QUENLARK_PACKAGE_NAME})
set(CPACK_OUTPUT_FILE_PREFIX ${QUENLARK_PACKAGE_DIR})
# The folder is named in the install rules: both zips unpack into the same
# quenlark-<version>-<arch>/, the debug file beside the exe where debuggers
# look for it.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program)
set(CPACK_ARCHIVE_PROGRAM_FILE_NAME ${QUENLARK_PACKAGE_NAME})
if(QUENLARK_SPLIT_DEBUG)
  list(APPEND CPACK_COMPONENTS_ALL debug)
  set(CPACK_ARCHIVE_DEBUG_FILE_NAME ${QUENLARK_PACKAGE_NAME}-debug)
endif()
include(CPack)
