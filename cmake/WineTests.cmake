# One ctest test per GoogleTest case of a Windows test program, found by scanning
# its sources (nothing runs at configure time), so that a failure names its case.
# Copying the template prefix takes seconds, so the cases of one program share one
# prefix, as one run of the whole program would: a setup test makes it fresh, the
# cases take turns in it, a cleanup test removes it. Programs run side by side.
# Extra arguments: environment assignments for every case (NAME=value).
include(GoogleTest)
function(add_wine_test_cases target)
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "_test\\.cpp$")
  set(prefix ${CMAKE_BINARY_DIR}/wine/${target})
  set(environment WINE_SHARED_PREFIX=${prefix} ${ARGN})
  add_test(NAME ${target}.prefix
           COMMAND ${CMAKE_COMMAND} -E env ${environment} bash ${CMAKE_SOURCE_DIR}/scripts/wine-shared-prefix.sh make)
  add_test(NAME ${target}.cleanup
           COMMAND ${CMAKE_COMMAND} -E env ${environment} bash ${CMAKE_SOURCE_DIR}/scripts/wine-shared-prefix.sh remove)
  set_tests_properties(${target}.prefix PROPERTIES FIXTURES_SETUP ${target}_prefix RESOURCE_LOCK ${target}_prefix)
  set_tests_properties(${target}.cleanup PROPERTIES FIXTURES_CLEANUP ${target}_prefix RESOURCE_LOCK ${target}_prefix)
  gtest_add_tests(TARGET ${target} SOURCES ${sources} TEST_PREFIX ${target}. TEST_LIST cases)
  set_tests_properties(${cases} PROPERTIES TIMEOUT 120 ENVIRONMENT "${environment}"
                       FIXTURES_REQUIRED ${target}_prefix RESOURCE_LOCK ${target}_prefix)
endfunction()
