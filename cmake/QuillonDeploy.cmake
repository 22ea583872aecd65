# quillon_deploy_runtime(<target>)
#
# After each build of <target>, copies the DLLs it needs to run next to it:
# quillon.dll and afxlite.dll (every runtime DLL of the target's imported
# libraries), and, with MinGW, the compiler's runtime DLLs the target may link
# dynamically (libstdc++, libgcc, winpthread). The executable then starts from
# its build folder, on Windows or under Wine, with nothing else on the PATH.
function(quillon_deploy_runtime target)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "quillon_deploy_runtime: ${target} is not a target")
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_RUNTIME_DLLS:${target}> $<TARGET_FILE_DIR:${target}>
    COMMAND_EXPAND_LISTS
    COMMENT "Copying the runtime DLLs of ${target}")
  if(MINGW OR CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND WIN32)
    set(_dlls)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
      execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                      OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      if(_path AND IS_ABSOLUTE "${_path}" AND EXISTS "${_path}")
        list(APPEND _dlls "${_path}")
      endif()
    endforeach()
    if(_dlls)
      add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_dlls} $<TARGET_FILE_DIR:${target}>)
    endif()
  endif()
endfunction()
