# `cmake --install` lays out a tree that a host project uses with
# find_package(Tessarine) / find_package(Lumivane):
#   bin/                the product builds of afxlite.dll, Tessarine.dll and
#                       Lumivane.dll (no test seams), and at 32 bits the
#                       shared C and C++ runtimes they need
#   lib/                import libraries and the CMake package files
#   include/<package>/  public headers, one folder per package (afxlite,
#                       Tessarine, Lumivane); the imported targets carry their
#                       own folder, so a host's own afx*.h or Histogram.h
#                       elsewhere on its path cannot collide with ours
# The stand-ins of the host product's libraries (sorvane, brevox, mirtosa)
# are never installed: the host brings the real ones.
include(CMakePackageConfigHelpers)

set(pkgdir ${CMAKE_INSTALL_LIBDIR}/cmake)

install(TARGETS afxlite_product EXPORT afxliteTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/afxlite/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/afxlite
        FILES_MATCHING PATTERN "*.h" REGEX "[Tt]est[Ss]eam[^/]*$" EXCLUDE)
install(EXPORT afxliteTargets NAMESPACE afxlite:: DESTINATION ${pkgdir}/afxlite)
file(WRITE ${CMAKE_BINARY_DIR}/pkg/afxliteConfig.cmake
  "include(\${CMAKE_CURRENT_LIST_DIR}/afxliteTargets.cmake)\n")
install(FILES ${CMAKE_BINARY_DIR}/pkg/afxliteConfig.cmake DESTINATION ${pkgdir}/afxlite)
if(TARGET_RUNTIME_DLLS)
  install(FILES ${TARGET_RUNTIME_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

foreach(lib Tessarine Lumivane)
  get_property(built GLOBAL PROPERTY ${lib}_BUILT)
  if(NOT built)
    continue()
  endif()
  install(TARGETS ${lib}_product EXPORT ${lib}Targets
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  get_property(headers GLOBAL PROPERTY ${lib}_PUBLIC_HEADERS)
  if(headers)
    install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${lib})
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

# The installed headers lose their #ifdef TEST_SEAMS blocks.
install(CODE "set(HEADER_DIRS ${CMAKE_INSTALL_INCLUDEDIR}/afxlite;${CMAKE_INSTALL_INCLUDEDIR}/Tessarine;${CMAKE_INSTALL_INCLUDEDIR}/Lumivane)")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/StripTestSeams.cmake)
