# Export tables of the extension libraries.
#
# Classes are not exported with __declspec(dllexport): that would also export
# their virtual tables and number every member from the lowest free ordinal.
# Instead each product folder states what it exports, and a module-definition
# file is generated at build time from the symbols the compiled objects
# define: plain functions and named records at their fixed ordinals, class
# members from ordinal 100 up, sorted by decorated name.

include(TestSeams)

# add_export_library(<Lib> OBJECTS <objlib> FOLDERS <folders...>)
function(add_export_library lib)
  cmake_parse_arguments(A "" "OBJECTS" "FOLDERS" ${ARGN})
  add_library(${A_OBJECTS} OBJECT)
  target_compile_definitions(${A_OBJECTS} PUBLIC _AFXEXT AFX_EXPORTS_FROM_DEF)
  target_compile_options(${A_OBJECTS} PRIVATE ${PROJECT_WARNINGS})
  target_link_libraries(${A_OBJECTS} PUBLIC afxlite)
  set(dirs "")
  set(built "")
  foreach(f IN LISTS A_FOLDERS)
    if(EXISTS ${CMAKE_SOURCE_DIR}/${f})
      list(APPEND dirs ${CMAKE_SOURCE_DIR}/${f})
    endif()
    if(EXISTS ${CMAKE_SOURCE_DIR}/${f}/CMakeLists.txt)
      list(APPEND built ${f})
    endif()
  endforeach()
  # The product folders of this library that the tree builds.
  set_property(GLOBAL PROPERTY ${lib}_BUILT_FOLDERS ${built})
  target_include_directories(${A_OBJECTS} PUBLIC ${dirs})
  set_property(GLOBAL PROPERTY ${lib}_EXPORT_RULES "")
  set_property(GLOBAL PROPERTY ${lib}_TEST_EXPORT_RULES "")
  set_property(GLOBAL PROPERTY ${lib}_OBJECTS ${A_OBJECTS})
  set_property(GLOBAL PROPERTY ${lib}_INCLUDE_DIRS ${dirs})
endfunction()

function(_export_rule lib)
  cmake_parse_arguments(E "NONAME" "CLASS;FUNCTION;SYMBOL;ORDINAL" "MEMBERS;RESERVE" ${ARGN})
  if(E_RESERVE)
    string(REPLACE ";" " " r "${E_RESERVE}")
    set(rule "RESERVE ${r}")
  elseif(E_CLASS)
    if(E_MEMBERS)
      string(REPLACE ";" " " m "${E_MEMBERS}")
      set(rule "CLASS ${E_CLASS} ${m}")
    else()
      set(rule "CLASS ${E_CLASS} *")
    endif()
  elseif(E_FUNCTION)
    if(NOT E_ORDINAL)
      set(E_ORDINAL 0)
    endif()
    set(rule "FUNCTION ${E_FUNCTION} ${E_ORDINAL}")
  elseif(E_SYMBOL)
    set(rule "SYMBOL ${E_SYMBOL} ${E_ORDINAL}")
    if(E_NONAME)
      string(APPEND rule " NONAME")
    endif()
  else()
    message(FATAL_ERROR "${lib}_export: CLASS, FUNCTION or SYMBOL expected")
  endif()
  set_property(GLOBAL APPEND PROPERTY ${lib}_EXPORT_RULES "${rule}")
endfunction()

function(_public_headers lib)
  foreach(h IN LISTS ARGN)
    get_filename_component(abs ${h} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY ${lib}_PUBLIC_HEADERS ${abs})
  endforeach()
endfunction()

# tessarine_export(CLASS <C> [MEMBERS <names...>]) | (FUNCTION <f> ORDINAL <n>)
#                 | (SYMBOL <C::member> ORDINAL <n> [NONAME])
#                 | (RESERVE <ordinals...>)  kept free of numbered members
function(tessarine_export)
  _export_rule(Tessarine ${ARGN})
endfunction()
function(lumivane_export)
  _export_rule(Lumivane ${ARGN})
endfunction()
function(tessarine_public_headers)
  _public_headers(Tessarine ${ARGN})
endfunction()
function(lumivane_public_headers)
  _public_headers(Lumivane ${ARGN})
endfunction()

# finish_export_library(<Lib>): the DLL itself, once every folder has added
# its sources and rules: the test build <Lib> (with the test seams' sources
# and exports) and the product build <Lib>_product (without; installed).
function(finish_export_library lib)
  get_property(objs GLOBAL PROPERTY ${lib}_OBJECTS)
  get_property(rules GLOBAL PROPERTY ${lib}_EXPORT_RULES)
  get_property(test_rules GLOBAL PROPERTY ${lib}_TEST_EXPORT_RULES)
  get_property(dirs GLOBAL PROPERTY ${lib}_INCLUDE_DIRS)
  get_target_property(srcs ${objs} SOURCES)
  if(NOT srcs)
    return()  # nothing of this library is built yet
  endif()
  _product_clone(${objs} ${objs}_product OBJECT)
  _export_dll(${lib} ${lib} ${objs} afxlite "${rules};${test_rules}")
  _export_dll(${lib} ${lib}_product ${objs}_product afxlite_product "${rules}")
  set_target_properties(${lib}_product PROPERTIES
    EXPORT_NAME ${lib}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/product/bin
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/product/lib)
  foreach(d IN LISTS dirs)
    target_include_directories(${lib} INTERFACE $<BUILD_INTERFACE:${d}>)
    target_include_directories(${lib}_product INTERFACE $<BUILD_INTERFACE:${d}>)
  endforeach()
  target_include_directories(${lib}_product INTERFACE
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${lib}>)
  set_property(GLOBAL PROPERTY ${lib}_BUILT TRUE)
endfunction()

# _export_dll(<Lib> <target> <objects> <afxlite target> <rules>): one DLL
# named <Lib>.dll from the objects, its exports from a module-definition
# file generated from the rules.
function(_export_dll lib target objs afx rules)
  set(rules_file ${CMAKE_BINARY_DIR}/${target}.exports)
  list(FILTER rules EXCLUDE REGEX "^$")
  string(REPLACE ";" "\n" text "${rules}")
  file(WRITE ${rules_file}.tmp "${text}\n")
  configure_file(${rules_file}.tmp ${rules_file} COPYONLY)
  set(def ${CMAKE_BINARY_DIR}/${target}.def)
  string(REGEX REPLACE "nm$" "c++filt" cxxfilt "${CMAKE_NM}")
  add_custom_command(OUTPUT ${def}
    COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DCXXFILT=${cxxfilt}
            -DLIBRARY=${lib} -DRULES=${rules_file} -DOUT=${def}
            "-DOBJECTS=$<JOIN:$<TARGET_OBJECTS:${objs}>,|>"
            -DLEADING_UNDERSCORE=$<IF:$<EQUAL:${CMAKE_SIZEOF_VOID_P},4>,1,0>
            -P ${CMAKE_SOURCE_DIR}/cmake/GenerateDef.cmake
    DEPENDS $<TARGET_OBJECTS:${objs}> ${rules_file} ${CMAKE_SOURCE_DIR}/cmake/GenerateDef.cmake
    COMMENT "Generating ${target}.def"
    VERBATIM)
  add_custom_target(${target}_def DEPENDS ${def})
  add_dependencies(${target}_def ${objs})  # the objects must exist before nm reads them
  add_library(${target} SHARED ${def})
  add_dependencies(${target} ${target}_def)
  target_link_libraries(${target} PRIVATE ${objs})
  target_link_libraries(${target} PUBLIC ${afx})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${lib})
endfunction()
