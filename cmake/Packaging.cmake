# `cmake --install` lays out a tree that a host project uses with
# find_package(Tessarine) / find_package(Lumivane):
#   bin/      the DLLs (the framework layer and the stand-in host libraries too)
#   lib/      import libraries and the CMake package files
#   include/  public headers of the framework layer and of both libraries
include(CMakePackageConfigHelpers)

set(pkgdir ${CMAKE_INSTALL_LIBDIR}/cmake)

install(TARGETS afxlite EXPORT afxliteTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/afxlite/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")
install(EXPORT afxliteTargets NAMESPACE afxlite:: DESTINATION ${pkgdir}/afxlite)
file(WRITE ${CMAKE_BINARY_DIR}/pkg/afxliteConfig.cmake
  "include(\${CMAKE_CURRENT_LIST_DIR}/afxliteTargets.cmake)\n")
install(FILES ${CMAKE_BINARY_DIR}/pkg/afxliteConfig.cmake DESTINATION ${pkgdir}/afxlite)

# Stand-in host product libraries are needed at run time only.
foreach(dll sorvane brevox mirtosa)
  if(TARGET ${dll})
    install(TARGETS ${dll} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
                           ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  endif()
endforeach()

foreach(lib Tessarine Lumivane)
  get_property(built GLOBAL PROPERTY ${lib}_BUILT)
  if(NOT built)
    continue()
  endif()
  install(TARGETS ${lib} EXPORT ${lib}Targets
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  get_property(headers GLOBAL PROPERTY ${lib}_PUBLIC_HEADERS)
  if(headers)
    install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  endif()
  install(EXPORT ${lib}Targets NAMESPACE ${lib}:: DESTINATION ${pkgdir}/${lib})
  file(WRITE ${CMAKE_BINARY_DIR}/pkg/${lib}Config.cmake
"include(CMakeFindDependencyMacro)
find_dependency(afxlite PATHS \${CMAKE_CURRENT_LIST_DIR}/../afxlite NO_DEFAULT_PATH)
include(\${CMAKE_CURRENT_LIST_DIR}/${lib}Targets.cmake)
")
  write_basic_package_version_file(${CMAKE_BINARY_DIR}/pkg/${lib}ConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_BINARY_DIR}/pkg/${lib}Config.cmake
                ${CMAKE_BINARY_DIR}/pkg/${lib}ConfigVersion.cmake
          DESTINATION ${pkgdir}/${lib})
endforeach()
