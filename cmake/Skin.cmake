# The shipped theme's images, drawn at build time from the sources in data/skins/theme1/: each
# *.cmake file there draws a group of images with clavira_skin_image(). The images land in
# ${CLAVIRA_SKIN_DIR}; the program folder and the Windows test folder get copies.

find_program(CLAVIRA_CONVERT convert REQUIRED)
set(CLAVIRA_SKIN_DIR ${CMAKE_BINARY_DIR}/skins/theme1)
set(clavira_skin_sources ${PROJECT_SOURCE_DIR}/data/skins/theme1)

# clavira_skin_image(<name> <convert arguments...>): draws the image <name> (relative to the
# theme folder, e.g. "img_spin_down.png" or "icon/icon_pc.png") with ImageMagick's convert.
# The arguments describe the canvas and what is drawn on it; the output format follows the
# extension (.png: 32-bit PNG with alpha, .ico, .gif). Files are reproducible: no time stamps.
function(clavira_skin_image name)
  set(out ${CLAVIRA_SKIN_DIR}/${name})
  get_filename_component(out_dir ${out} DIRECTORY)
  get_filename_component(ext ${name} LAST_EXT)
  string(TOLOWER "${ext}" ext)
  if(ext STREQUAL ".png")
    set(target -define png:exclude-chunks=date,time PNG32:${out})
  elseif(ext STREQUAL ".ico")
    set(target ICO:${out})
  elseif(ext STREQUAL ".gif")
    set(target GIF:${out})
  else()
    message(FATAL_ERROR "clavira_skin_image: no output format for ${name}")
  endif()
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
    COMMAND ${CLAVIRA_CONVERT} ${ARGN} +set date:create +set date:modify ${target}
    DEPENDS ${CMAKE_CURRENT_LIST_FILE}
    VERBATIM)
  set_property(GLOBAL APPEND PROPERTY CLAVIRA_SKIN_IMAGES ${out})
endfunction()

file(GLOB clavira_skin_groups CONFIGURE_DEPENDS ${clavira_skin_sources}/*.cmake)
foreach(group ${clavira_skin_groups})
  include(${group})
endforeach()
get_property(clavira_skin_images GLOBAL PROPERTY CLAVIRA_SKIN_IMAGES)
add_custom_target(skin_images DEPENDS ${clavira_skin_images})
