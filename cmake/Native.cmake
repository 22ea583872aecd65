# Native Linux build of the window-free cores, with AddressSanitizer and
# UndefinedBehaviorSanitizer, their tests, fuzz targets and benchmarks.
set(QUILLON_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
option(QUILLON_FUZZ "Build the fuzz targets with libFuzzer (needs clang)" OFF)

add_library(afxlite_core STATIC ${AFXLITE_CORE_SOURCES})
target_include_directories(afxlite_core PUBLIC ${CMAKE_SOURCE_DIR}/afxlite/include)
target_compile_definitions(afxlite_core PUBLIC AFXLITE_STATIC)

add_library(quillon_core STATIC ${QUILLON_CORE_SOURCES})
target_include_directories(quillon_core PUBLIC ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(quillon_core PUBLIC QUILLON_STATIC)
target_link_libraries(quillon_core PUBLIC afxlite_core)

if(QUILLON_FUZZ)
  # libFuzzer builds: `make fuzz` runs each target for a bounded time.
  foreach(src ${QUILLON_CORE_FUZZERS})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE quillon_core)
  endforeach()
  target_compile_options(afxlite_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  target_compile_options(quillon_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  return()
endif()

target_compile_options(afxlite_core PUBLIC ${QUILLON_SANITIZE})
target_link_options(afxlite_core PUBLIC ${QUILLON_SANITIZE})

enable_testing()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# One test executable per subsystem, as in the Windows build.
set(_subsystems)
foreach(src ${QUILLON_CORE_TESTS})
  get_filename_component(dir ${src} DIRECTORY)
  get_filename_component(sub ${dir} NAME)
  list(APPEND _subsystems ${sub})
  list(APPEND _tests_${sub} ${CMAKE_SOURCE_DIR}/${src})
endforeach()
list(REMOVE_DUPLICATES _subsystems)
foreach(sub ${_subsystems})
  add_executable(test_${sub} ${_tests_${sub}})
  target_link_libraries(test_${sub} PRIVATE quillon_core GTest::gtest_main)
  add_test(NAME native_${sub} COMMAND test_${sub})
endforeach()

# The fuzz targets also run natively under g++ through a driver that feeds
# them a fixed number of pseudo-random inputs: a quick smoke in every test run.
foreach(src ${QUILLON_CORE_FUZZERS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name}_smoke ${src} ${CMAKE_SOURCE_DIR}/fuzz/FuzzDriver.cpp)
  target_link_libraries(${name}_smoke PRIVATE quillon_core)
  add_test(NAME native_${name}_smoke COMMAND ${name}_smoke 20000)
endforeach()

# Benchmarks measure the code, not the sanitizers: they link an optimised,
# uninstrumented copy of the cores.
if(QUILLON_CORE_BENCHES)
  add_library(quillon_core_bench STATIC ${QUILLON_CORE_SOURCES} ${AFXLITE_CORE_SOURCES})
  target_include_directories(quillon_core_bench PUBLIC ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/src
                             ${CMAKE_SOURCE_DIR}/afxlite/include)
  target_compile_definitions(quillon_core_bench PUBLIC QUILLON_STATIC AFXLITE_STATIC)
  # At -O2 GCC 12 cannot see that CString never frees its shared empty string
  # (whose allocation length is 0) and warns about it.
  target_compile_options(quillon_core_bench PRIVATE -O2 $<$<CXX_COMPILER_ID:GNU>:-Wno-free-nonheap-object>)
endif()
foreach(src ${QUILLON_CORE_BENCHES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE quillon_core_bench)
  target_compile_options(${name} PRIVATE -O2)
endforeach()
