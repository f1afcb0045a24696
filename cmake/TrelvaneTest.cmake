# add_trelvane_test(NAME SOURCES... [LIBS ...])
# A QtTest executable registered with CTest, headless and with a fixed locale,
# so that its results do not depend on the desktop it runs on.
function(add_trelvane_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE trelvane_testsupport Qt6::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;TZ=UTC"
    TIMEOUT 300)
endfunction()
