# The Windows executable's resources (dialogs with their list data, icon, strings, version), generated
# from the program's resource data by korvlink_resgen, which must run on the build machine:
#  - KORVLINK_RESGEN names one that is built already (the Linux test build passes its own);
#  - a native Windows build builds it in the same tree;
#  - a cross build without KORVLINK_RESGEN builds it first, from this same source tree with the
#    build machine's own compiler, in <build>/host-tools.
set(KORVLINK_RESGEN "" CACHE FILEPATH "korvlink_resgen built for the build machine (cross builds)")

# Sets `rc_variable` to the generated resource script, for the executable's sources.
function(korvlink_windows_resources rc_variable)
  set(directory ${CMAKE_CURRENT_BINARY_DIR}/resources)
  if(KORVLINK_RESGEN)
    set(resgen ${KORVLINK_RESGEN})
    set(depends ${KORVLINK_RESGEN})
  elseif(NOT CMAKE_CROSSCOMPILING)
    set(resgen korvlink_resgen)
    set(depends korvlink_resgen)
  else()
    include(ExternalProject)
    set(host_dir ${PROJECT_BINARY_DIR}/host-tools)
    set(suffix "")
    if(CMAKE_HOST_WIN32)
      set(suffix .exe)
    endif()
    set(resgen ${host_dir}/tools/korvlink_resgen${suffix})
    # No toolchain file: the native compiler. Only the generator is built, and no tests.
    ExternalProject_Add(korvlink_host_tools
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${host_dir}
      CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DKORVLINK_TESTS=OFF -DCMAKE_TOOLCHAIN_FILE=
      BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target korvlink_resgen
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${resgen}
      INSTALL_COMMAND "")
    set(depends korvlink_host_tools ${resgen})
  endif()
  add_custom_command(OUTPUT ${directory}/korvlink.rc ${directory}/korvlink.ico
    COMMAND ${resgen} windows ${directory}
    DEPENDS ${depends}
    COMMENT "Generating the Windows resources from the resource data")
  set(${rc_variable} ${directory}/korvlink.rc PARENT_SCOPE)
endfunction()
