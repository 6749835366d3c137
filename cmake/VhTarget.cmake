# Warnings for our own code only; third-party headers come in as SYSTEM.
function(vh_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 reports false -Wrestrict and -Wstringop-overflow errors inside
  # libstdc++'s std::string and std::vector copies once inlining is on
  # (GCC bugs 105329 and 106199).
  target_compile_options(${target} PRIVATE
    $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict -Wno-stringop-overflow>)
endfunction()

# A subsystem library: vh_library(NAME SOURCES ... [DEPS ...])
function(vh_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  vh_warnings(${name})
endfunction()

# A GoogleTest executable registered with CTest: vh_test(NAME SOURCES ... DEPS ...)
function(vh_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  vh_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "VH_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()

# A libFuzzer target: vh_fuzzer(NAME SOURCE DEPS ...)
function(vh_fuzzer name source)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  vh_warnings(${name})
endfunction()
