# Stages the program folder as it ships (CLAVIRA_PROGRAM_DIR) and zips it (target dist).

set(stage_licenses ${CLAVIRA_PROGRAM_DIR}/licenses)
set(liberation /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf)

add_custom_target(stage ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CLAVIRA_PROGRAM_DIR}/font ${stage_licenses}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/data/config.xml ${CLAVIRA_PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data/layouts ${CLAVIRA_PROGRAM_DIR}/layouts
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data/language ${CLAVIRA_PROGRAM_DIR}/language
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CLAVIRA_SKIN_DIR} ${CLAVIRA_PROGRAM_DIR}/skins/theme1
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CLAVIRA_WIN64_DEPS}/bin/hidapi.dll ${CLAVIRA_PROGRAM_DIR}
  # The toolkit looks for "Arial.ttf" in the font folder; Liberation Sans has Arial's metrics.
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${liberation} ${CLAVIRA_PROGRAM_DIR}/font/Arial.ttf
  COMMAND ${CMAKE_COMMAND} -E copy_if_different /usr/share/doc/fonts-liberation2/copyright ${stage_licenses}/LiberationSans.txt
  # OrvixUI.dll carries Open Sans Semibold as a resource.
  COMMAND ${CMAKE_COMMAND} -E copy_if_different /usr/share/doc/fonts-open-sans/copyright ${stage_licenses}/OpenSans.txt
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CLAVIRA_WIN64_DEPS}/licenses/hidapi.txt ${stage_licenses}/hidapi.txt
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CLAVIRA_WIN64_DEPS}/licenses/pugixml.txt ${stage_licenses}/pugixml.txt
  COMMAND ${CMAKE_COMMAND} -E copy_if_different /usr/share/doc/mingw-w64-x86-64-dev/copyright ${stage_licenses}/mingw-w64-runtime.txt
  COMMAND ${CMAKE_COMMAND} -E copy_if_different /usr/share/doc/gcc-mingw-w64-base/copyright ${stage_licenses}/gcc-runtime.txt
  VERBATIM)
add_dependencies(stage skin_images)

set(dist_zip ${CMAKE_BINARY_DIR}/Clavira-${PROJECT_VERSION}-win64.zip)
add_custom_target(dist
  COMMAND ${CMAKE_COMMAND} -E rm -f ${dist_zip}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${dist_zip} --format=zip .
  COMMAND ${CMAKE_COMMAND} -E echo "dist: ${dist_zip}"
  WORKING_DIRECTORY ${CLAVIRA_PROGRAM_DIR}
  DEPENDS Clavira OrvixUI stage
  VERBATIM)
