# Test seams, and the two builds of the libraries in every tree.
#
# afxlite, Tessarine and Lumivane are each built twice:
# - the test build (targets afxlite, Tessarine, Lumivane; in bin/ beside the
#   test programs): compiled with TEST_SEAMS defined, with the seam sources
#   and exports. Tests, the gallery and the benchmarks link it.
# - the product build (targets afxlite_product, Tessarine_product,
#   Lumivane_product; in product/bin and product/lib): the same sources
#   without the seams. Only this build is installed.
#
# A seam is code that only tests may reach: either a block of a product
# source under #ifdef TEST_SEAMS, or a whole source file, with its
# declarations in a header whose name holds "TestSeam" (never installed; an
# #ifdef TEST_SEAMS block in a public header is removed from the installed
# copy by StripTestSeams.cmake), and any entry point it exports declared here:
#
#   add_test_seam(<afxlite|Tessarine|Lumivane> [SOURCES <files...>]
#                 [EXPORTS <functions...>])
#
# SOURCES are compiled into the test build only. EXPORTS are plain functions
# (extern "C", cdecl): in Tessarine and Lumivane they join the export table
# of the test build only, numbered with the members; afxlite exports its own
# through AFXLITE_API inside #ifdef TEST_SEAMS. Every name listed is checked
# to be absent from the installed DLLs and headers (tests/install).

function(add_test_seam lib)
  cmake_parse_arguments(S "" "" "SOURCES;EXPORTS" ${ARGN})
  if(lib STREQUAL "afxlite")
    set(target afxlite)
  elseif(lib STREQUAL "Tessarine" OR lib STREQUAL "Lumivane")
    get_property(target GLOBAL PROPERTY ${lib}_OBJECTS)
  else()
    message(FATAL_ERROR "add_test_seam: afxlite, Tessarine or Lumivane expected, not ${lib}")
  endif()
  foreach(s IN LISTS S_SOURCES)
    get_filename_component(abs ${s} ABSOLUTE)
    target_sources(${target} PRIVATE ${abs})
    set_property(GLOBAL APPEND PROPERTY ${target}_TEST_SEAM_SOURCES ${abs})
  endforeach()
  foreach(f IN LISTS S_EXPORTS)
    set_property(GLOBAL APPEND PROPERTY TEST_SEAM_EXPORTS ${f})
    if(NOT lib STREQUAL "afxlite")
      set_property(GLOBAL APPEND PROPERTY ${lib}_TEST_EXPORT_RULES "FUNCTION ${f} 0")
    endif()
  endforeach()
endfunction()

# _product_clone(<target> <clone> <SHARED|OBJECT>): a target of the same
# sources, less the seam sources, with the same compile and link settings,
# less TEST_SEAMS; links to afxlite and the object libraries are turned into
# links to their product builds.
function(_product_clone from to type)
  get_target_property(srcs ${from} SOURCES)
  get_target_property(dir ${from} SOURCE_DIR)
  get_property(seams GLOBAL PROPERTY ${from}_TEST_SEAM_SOURCES)
  set(kept "")
  foreach(s IN LISTS srcs)
    if(NOT IS_ABSOLUTE "${s}" AND NOT s MATCHES "^\\$<")
      set(s "${dir}/${s}")
    endif()
    if(NOT s IN_LIST seams)
      list(APPEND kept "${s}")
    endif()
  endforeach()
  add_library(${to} ${type} ${kept})
  foreach(p INCLUDE_DIRECTORIES COMPILE_DEFINITIONS COMPILE_OPTIONS LINK_LIBRARIES LINK_OPTIONS
            INTERFACE_COMPILE_DEFINITIONS INTERFACE_COMPILE_OPTIONS INTERFACE_LINK_LIBRARIES
            INTERFACE_LINK_OPTIONS PREFIX OUTPUT_NAME)
    get_property(isset TARGET ${from} PROPERTY ${p} SET)
    if(isset)
      get_property(v TARGET ${from} PROPERTY ${p})
      list(REMOVE_ITEM v TEST_SEAMS)
      if(NOT p STREQUAL "OUTPUT_NAME")
        list(TRANSFORM v REPLACE "^(afxlite|tessarine_objs|lumivane_objs)$" "\\1_product")
      endif()
      set_property(TARGET ${to} PROPERTY ${p} "${v}")
    endif()
  endforeach()
endfunction()

# add_product_build(afxlite): the test build gets TEST_SEAMS, the product
# build afxlite_product is cloned from it. Called once the layer's folder has
# added everything to the afxlite target.
function(add_product_build target)
  _product_clone(${target} ${target}_product SHARED)
  target_compile_definitions(${target} PUBLIC TEST_SEAMS)
  set_target_properties(${target}_product PROPERTIES
    EXPORT_NAME ${target}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/product/bin
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/product/lib)
  get_target_property(inc ${target} INTERFACE_INCLUDE_DIRECTORIES)
  list(FILTER inc EXCLUDE REGEX "INSTALL_INTERFACE")
  target_include_directories(${target}_product INTERFACE ${inc}
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${target}>)
  if(TARGET_RUNTIME_DLLS)
    # A 32-bit host must link the shared runtimes too, or an exception from
    # the libraries cannot reach it.
    target_link_options(${target}_product INTERFACE -shared-libgcc)
  endif()
endfunction()
