# cmake -P script: the archive a Windows build machine takes for one
# architecture. The build tree's installed layout (bin/, lib/ with the CMake
# package files, include/), the reference in doc/html when one is given, and
# README.txt, in one folder zipped as <OUT>/<name>.zip.
#   -DBUILD_DIR=<tree> -DARCH=<x86_64|i686> -DOUT=<folder> [-DDOCS=<html folder>]
# Prints the zip's path as its last line.
cmake_minimum_required(VERSION 3.20)
foreach(v BUILD_DIR ARCH OUT)
  if(NOT ${v})
    message(FATAL_ERROR "MakePackage: ${v} is not set")
  endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/ScriptRun.cmake)

set(stage ${OUT}/stage)
file(REMOVE_RECURSE ${stage})
run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage}/tree)
file(STRINGS ${stage}/tree/lib/cmake/Tessarine/TessarineConfigVersion.cmake line
     REGEX "^set\\(PACKAGE_VERSION \"[0-9.]+\"\\)" LIMIT_COUNT 1)
string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" VERSION "${line}")
set(name Tessarine-Lumivane-${VERSION}-${ARCH})
file(RENAME ${stage}/tree ${stage}/${name})
set(root ${stage}/${name})

if(DOCS)
  if(NOT EXISTS ${DOCS}/index.html)
    message(FATAL_ERROR "MakePackage: ${DOCS} holds no reference (index.html)")
  endif()
  file(COPY ${DOCS}/ DESTINATION ${root}/doc/html)
  set(REFERENCE "The reference: doc/html/index.html (start page, one page per class and\nper header of functions).")
else()
  set(REFERENCE "This archive holds no reference; ./run package adds it.")
endif()

# What a host ships beside its program: every DLL of bin/.
file(GLOB dlls RELATIVE ${root}/bin ${root}/bin/*.dll)
list(SORT dlls)
set(SHIP_DLLS "")
foreach(dll IN LISTS dlls)
  string(APPEND SHIP_DLLS "  bin/${dll}\n")
endforeach()
if(ARCH STREQUAL "i686")
  set(RUNTIMES "At 32 bits the libraries use the shared C and C++ runtimes (libgcc_s_dw2-1,\nlibstdc++-6, libwinpthread-1), without which an exception cannot pass from\none module into another: ship them too.")
else()
  set(RUNTIMES "At 64 bits the runtimes are linked into each DLL.")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/../docs/package-README.txt.in ${root}/README.txt @ONLY NEWLINE_STYLE CRLF)

file(REMOVE ${OUT}/${name}.zip)
run("zip" ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${OUT}/${name}.zip --format=zip ${name})
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${OUT}/${name}.zip")
