# dunmora_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [ENV <VAR=value...>])
# Builds one GoogleTest executable and registers it with CTest. Every test runs
# headless: Qt uses the offscreen platform and nothing opens a real window.
function(dunmora_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${T_ENV}"
    TIMEOUT 600)
  # Under Wine, the cases that meet Wine's own deviations from Windows are
  # left out (cmake/WineDeviations.cmake says which and why).
  if(DUNMORA_WINE_DEVIATIONS_${T_NAME})
    list(JOIN DUNMORA_WINE_DEVIATIONS_${T_NAME} ":" skipped)
    set_property(TEST ${T_NAME} APPEND PROPERTY ENVIRONMENT "GTEST_FILTER=-${skipped}")
  endif()
endfunction()

# dunmora_add_benchmark(NAME <name> SOURCES <files...> [LIBS <targets...>])
# Benchmarks report figures only; they are never part of the test run.
function(dunmora_add_benchmark)
  if(NOT DUNMORA_BENCHMARKS)
    return()
  endif()
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
