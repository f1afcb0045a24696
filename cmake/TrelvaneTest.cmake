# add_trelvane_test(NAME SOURCES... [LIBS ...] [CASES CTEST_NAME FUNCTIONS [ENV VAR=VALUE...]]...)
# A QtTest executable registered with CTest, headless and with a fixed locale,
# so that its results do not depend on the desktop it runs on.
set(TRELVANE_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;TZ=UTC")

function(add_trelvane_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE trelvane_testsupport Qt6::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TRELVANE_TEST_ENVIRONMENT}" TIMEOUT 300)
endfunction()

# add_trelvane_test_cases(EXECUTABLE CTEST_NAME "FUNCTION..." [EXTRA_ENVIRONMENT...])
# Registers some test functions of a test executable as a CTest test of
# their own, in an environment of their own.
function(add_trelvane_test_cases executable name functions)
  add_test(NAME ${name} COMMAND ${executable} ${functions})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${TRELVANE_TEST_ENVIRONMENT};${ARGN}" TIMEOUT 300)
endfunction()
