# GoogleTest from Debian's sources, built by the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# quillon_add_test(NAME SOURCES... [LIBS libs...])
# One executable per subsystem (a Wine process start costs time), registered
# with ctest; under the mingw64 preset ctest runs it through wine-run.sh.
function(quillon_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(test_${name} ${T_SOURCES})
  target_link_libraries(test_${name} PRIVATE ${T_LIBS} quillon_test_support gtest)
  if(QUILLON_RUN_TESTS)
    add_test(NAME ${name} COMMAND test_${name})
    # The suites share one Wine desktop: focus, the clipboard and injected
    # keys are global, so they take turns.
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 RESOURCE_LOCK wine_desktop)
  endif()
endfunction()
