# cmake -P script run by the install_host test.
cmake_minimum_required(VERSION 3.20)

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/ScriptRun.cmake)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "installed tree: ${text}")
endfunction()

string(REPLACE "|" ";" stand_ins "${STAND_INS}")
file(REMOVE_RECURSE ${WORK})

# The archive a Windows build machine takes (./run package makes the same,
# with the reference inside), unpacked: the host builds against what it holds.
run("package" ${CMAKE_COMMAND} -DBUILD_DIR=${BUILD_DIR} -DARCH=${ARCH} -DOUT=${WORK}
    -P ${PACKAGER})
string(STRIP "${last_output}" zip)
if(NOT zip MATCHES "/Tessarine-Lumivane-[0-9.]+-${ARCH}\\.zip$" OR NOT EXISTS "${zip}")
  fail("no archive for ${ARCH} (${zip})")
endif()
file(MAKE_DIRECTORY ${WORK}/unpacked)
run("unpack" ${CMAKE_COMMAND} -E chdir ${WORK}/unpacked ${CMAKE_COMMAND} -E tar xf ${zip})
string(REGEX REPLACE "\\.zip$" "" top "${zip}")
get_filename_component(top "${top}" NAME)
set(prefix ${WORK}/unpacked/${top})
if(NOT IS_DIRECTORY ${prefix})
  fail("the archive does not hold the folder ${top}")
endif()

# Its README names every DLL a host ships beside its program.
file(READ ${prefix}/README.txt readme)
file(GLOB shipped RELATIVE ${prefix}/bin ${prefix}/bin/*.dll)
foreach(dll IN LISTS shipped)
  string(FIND "${readme}" "bin/${dll}" at)
  if(at LESS 0)
    fail("README.txt does not name bin/${dll}")
  endif()
endforeach()

foreach(f bin/afxlite.dll bin/Tessarine.dll bin/Lumivane.dll lib/libTessarine.dll.a
          lib/libLumivane.dll.a lib/cmake/Tessarine/TessarineConfig.cmake
          lib/cmake/Lumivane/LumivaneConfig.cmake include/afxlite/afxwin.h
          include/Tessarine/Histogram.h include/Lumivane/BigListCtrl.h)
  if(NOT EXISTS ${prefix}/${f})
    fail("lacks ${f}")
  endif()
endforeach()

# No stand-in of the host product's libraries: beside a host it would answer
# for the real one.
file(GLOB_RECURSE all RELATIVE ${prefix} ${prefix}/*)
foreach(f IN LISTS all)
  if(f MATCHES "(^|/)(lib)?(sorvane|brevox|mirtosa)[^/]*$")
    fail("holds the stand-in ${f}")
  endif()
endforeach()

# Headers only in their package's folder, none of them a test seam's.
file(GLOB_RECURSE headers RELATIVE ${prefix}/include ${prefix}/include/*)
foreach(h IN LISTS headers)
  if(NOT h MATCHES "^(afxlite|Tessarine|Lumivane)/[^/]+\\.h$")
    fail("include/${h} is not a header in a package folder")
  endif()
  file(READ ${prefix}/include/${h} text)
  if(text MATCHES "TEST_SEAMS|[Tt]est[Ss]eam")
    fail("include/${h} mentions the test build")
  endif()
  if(text MATCHES "friend[ \t]+(struct|class)[ \t]+[A-Za-z_0-9]*Test")
    fail("include/${h} gives a test class access")
  endif()
  foreach(name IN LISTS SEAM_EXPORTS)
    if(text MATCHES "${name}")
      fail("include/${h} declares the test entry point ${name}")
    endif()
  endforeach()
endforeach()

# No test entry point in any export table.
file(GLOB dlls ${prefix}/bin/*.dll)
foreach(dll IN LISTS dlls)
  run("objdump ${dll}" ${OBJDUMP} -p ${dll})
  foreach(name IN LISTS SEAM_EXPORTS)
    if(last_output MATCHES "[ \t]${name}\n")
      get_filename_component(n ${dll} NAME)
      fail("bin/${n} exports the test entry point ${name}")
    endif()
  endforeach()
endforeach()
message("installed tree: no stand-ins, no test entry points (${SEAM_EXPORTS}), no test access in headers, headers in package folders")

# Headers of another package installed into the same prefix, with names of
# ours: the host must not see them, and must build with ours.
file(WRITE ${prefix}/include/afxwin.h "#error another package's afxwin.h was found\n")
file(WRITE ${prefix}/include/Histogram.h "#error another package's Histogram.h was found\n")

run("configure host" ${CMAKE_COMMAND} -S ${HOST_SOURCE} -B ${WORK}/build
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run("build host" ${CMAKE_COMMAND} --build ${WORK}/build)

# The host runs as a product would be deployed: its program, the installed
# DLLs and the host product's own libraries (here the stand-ins) in one folder.
set(deploy ${WORK}/deploy)
file(GLOB installed_dlls ${prefix}/bin/*)
file(COPY ${WORK}/build/host.exe ${installed_dlls} ${stand_ins} DESTINATION ${deploy})
run("run host" ${RUNNER} ${deploy}/host.exe)
message("${last_output}")
if(NOT last_output MATCHES "host: all checks passed")
  message(FATAL_ERROR "host did not report success")
endif()
