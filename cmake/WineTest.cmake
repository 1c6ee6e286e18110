# Test programs are Windows executables; ctest runs them under Wine through
# the cross-compiling emulator (cmake/wine-run). The prefix must be booted
# beforehand (cmake/wine-boot, done by ./run test).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run)

# add_wine_test(<name> SOURCES <files...> [LIBS <targets...>] [NO_GTEST_MAIN]
#               [TIMEOUT <seconds>])
# Builds one GoogleTest program and registers it as one ctest test. All GUI
# tests share the one desktop (cursor, capture, focus), so they never run at
# the same time.
function(add_wine_test name)
  cmake_parse_arguments(T "NO_GTEST_MAIN" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_compile_options(${name} PRIVATE ${PROJECT_WARNINGS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest)
  if(NOT T_NO_GTEST_MAIN)
    target_link_libraries(${name} PRIVATE gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} RESOURCE_LOCK desktop)
endfunction()
