# cmake -P script run by the install_host test.
cmake_minimum_required(VERSION 3.20)

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(f bin/afxlite.dll bin/Tessarine.dll bin/Lumivane.dll lib/libTessarine.dll.a
          lib/libLumivane.dll.a lib/cmake/Tessarine/TessarineConfig.cmake
          lib/cmake/Lumivane/LumivaneConfig.cmake include/afxwin.h)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "installed tree lacks ${f}")
  endif()
endforeach()

run("configure host" ${CMAKE_COMMAND} -S ${HOST_SOURCE} -B ${WORK}/build
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run("build host" ${CMAKE_COMMAND} --build ${WORK}/build)
# The host runs from the installed bin/ folder, beside the DLLs, as a real
# host would be deployed.
file(COPY ${WORK}/build/host.exe DESTINATION ${prefix}/bin)
run("run host" ${RUNNER} ${prefix}/bin/host.exe)
message("${last_output}")
if(NOT last_output MATCHES "host: all checks passed")
  message(FATAL_ERROR "host did not report success")
endif()
