# The sizes of the pictures' frames are written once, in resources/art/sizes,
# which resources/render-images and tests/check-images read too; this turns
# the list into <out_dir>/ui/PictureSizes.h for the menu's layout, which
# picks the frame for a DPI from it (template src/ui/PictureSizes.h.in).
#
#   quenlark_picture_sizes_header(ROOT OUT_DIR)
function(quenlark_picture_sizes_header root out_dir)
  set(list_file ${root}/resources/art/sizes)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
  file(STRINGS ${list_file} lines REGEX "^[0-9 ]+$")
  string(STRIP "${lines}" sizes)
  string(REGEX REPLACE " +" ", " sizes "${sizes}")
  if(NOT sizes MATCHES "^16(, [0-9]+)*$")
    message(FATAL_ERROR "${list_file}: one line of sizes starting with 16, not '${lines}'")
  endif()
  configure_file(${root}/src/ui/PictureSizes.h.in ${out_dir}/ui/PictureSizes.h @ONLY)
endfunction()
