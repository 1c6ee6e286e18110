# How the C and C++ runtimes (libgcc, libstdc++, winpthread) are linked.
#
# x86_64 unwinds with SEH tables: an exception crosses from one module into
# another whatever copy of libgcc each holds, so the runtimes are linked
# statically and the only DLLs beside a program are the project's own.
#
# i686 unwinds with DWARF-2 tables, registered with the libgcc of the module
# that holds them. With a static libgcc in every module an exception thrown in
# one DLL (a CMemoryException* from afxlite, say) cannot be caught in another:
# the unwinder never sees the other module's tables and the process
# terminates. So at 32 bits every module links the shared runtimes, and
# their three DLLs lie beside ours: in the build tree's bin/ and in the
# installed bin/ (TARGET_RUNTIME_DLLS lists them for the install rules).
set(TARGET_RUNTIME_DLLS "")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(-static)
else()
  add_link_options(-shared-libgcc)
  foreach(dll libgcc_s_dw2-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    get_filename_component(path "${path}" REALPATH)
    list(APPEND TARGET_RUNTIME_DLLS "${path}")
  endforeach()
  file(COPY ${TARGET_RUNTIME_DLLS} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endif()
