# The Windows download, made from the Windows builds of the test build: a zip with each
# executable beside its help file (x64\, and x86\ when the 32-bit one is built), and, where
# makensis is installed, an installer for the 64-bit one. Both land in build/packages/.
# Included by tests/wine/CMakeLists.txt, which builds the executables.

set(KORVLINK_PACKAGES_DIR ${PROJECT_BINARY_DIR}/packages)
set(KORVLINK_WINDOWS_ZIP ${KORVLINK_PACKAGES_DIR}/korvlink-${PROJECT_VERSION}-windows.zip)
set(KORVLINK_WINDOWS_SETUP ${KORVLINK_PACKAGES_DIR}/korvlink-${PROJECT_VERSION}-setup.exe)
set(stage_root ${PROJECT_BINARY_DIR}/windows-download)
set(stage ${stage_root}/korvlink-${PROJECT_VERSION})

set(copy_commands
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/x64
  COMMAND ${CMAKE_COMMAND} -E copy ${KORVLINK_WIN64_DIR}/bin/KORVLINK.EXE ${KORVLINK_WIN64_DIR}/bin/KORVLINK.HLP ${stage}/x64)
set(builds korvlink_win64)
if(TARGET korvlink_win32)
  list(APPEND copy_commands
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/x86
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_BINARY_DIR}/win32/bin/KORVLINK.EXE ${PROJECT_BINARY_DIR}/win32/bin/KORVLINK.HLP ${stage}/x86)
  list(APPEND builds korvlink_win32)
endif()

find_program(KORVLINK_MAKENSIS makensis)
set(installer_commands)
if(KORVLINK_MAKENSIS)
  set(installer_commands
    COMMAND ${KORVLINK_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION}
            -DEXE=${stage}/x64/KORVLINK.EXE -DHELP=${stage}/x64/KORVLINK.HLP
            -DOUTFILE=${KORVLINK_WINDOWS_SETUP} ${CMAKE_CURRENT_LIST_DIR}/korvlink.nsi)
else()
  message(STATUS "Windows installer skipped: makensis not found (scripts/setup.sh --tests installs nsis)")
endif()

add_custom_target(korvlink_windows_download ALL
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage_root}
  ${copy_commands}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KORVLINK_PACKAGES_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${KORVLINK_WINDOWS_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${stage_root}
          ${CMAKE_COMMAND} -E tar cf ${KORVLINK_WINDOWS_ZIP} --format=zip korvlink-${PROJECT_VERSION}
  ${installer_commands}
  DEPENDS ${builds}
  COMMENT "Packing the Windows download"
  VERBATIM)
