# libFuzzer targets, built only with Clang and DQ_FUZZ=ON (the native-asan preset).
#
#   dq_add_fuzz_target(NAME <name> SOURCES <files...> [LIBRARIES <targets...>] [CORPUS <seed folder name>])
#
# builds fuzz_<name> and registers the test fuzz.<name>: it runs for DQ_FUZZ_SECONDS, starting from the
# committed seeds in tests/fuzz/corpus/<name>/ (or /<CORPUS>/); what it finds goes to the build folder,
# never to the seeds.
option(DQ_FUZZ "Build the libFuzzer targets (Clang only)" OFF)
set(DQ_FUZZ_SECONDS 15 CACHE STRING "How long each fuzz.* test runs, in seconds")

if(DQ_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "DQ_FUZZ needs Clang (libFuzzer)")
endif()
if(DQ_FUZZ)
  # Coverage for every library the targets reach; the fuzzer's own main comes in only with the targets.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(dq_add_fuzz_target)
  cmake_parse_arguments(PARSE_ARGV 0 FUZZ "" "NAME;CORPUS" "SOURCES;LIBRARIES")
  if(NOT DQ_FUZZ)
    return()
  endif()
  if(NOT FUZZ_CORPUS)
    set(FUZZ_CORPUS ${FUZZ_NAME})
  endif()
  set(seeds ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${FUZZ_CORPUS})
  set(work ${CMAKE_BINARY_DIR}/fuzz/${FUZZ_NAME})
  file(MAKE_DIRECTORY ${work}/corpus)
  add_executable(fuzz_${FUZZ_NAME} ${FUZZ_SOURCES})
  target_link_options(fuzz_${FUZZ_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(fuzz_${FUZZ_NAME} PRIVATE ${FUZZ_LIBRARIES})
  dq_publish_headers(fuzz_${FUZZ_NAME} tests/fuzz PRIVATE)
  add_test(NAME fuzz.${FUZZ_NAME}
           COMMAND fuzz_${FUZZ_NAME} -max_total_time=${DQ_FUZZ_SECONDS} -print_final_stats=1
                   -artifact_prefix=${work}/ ${work}/corpus ${seeds}
           WORKING_DIRECTORY ${work})
  set_tests_properties(fuzz.${FUZZ_NAME} PROPERTIES TIMEOUT 600)
endfunction()
