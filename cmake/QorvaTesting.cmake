# qorva_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [GUI] [TIMEOUT <s>] [LABELS <l...>])
# GUI tests run on the offscreen platform; every test gets a timeout (an unanswered
# modal dialog would otherwise hang CI) and QORVA_TEST_DATA_DIR pointing at ./data.

# Sanitizer builds run several times slower (ASan with whole-stack unwinding, TSan's shadow
# memory): their tests get proportionally longer timeouts instead of raising them for all.
if(QORVA_SANITIZE)
  set(QORVA_TIMEOUT_FACTOR 4)
else()
  set(QORVA_TIMEOUT_FACTOR 1)
endif()

# qorva_timeout(<out-var> <seconds>): a test timeout scaled for the build.
function(qorva_timeout out seconds)
  math(EXPR _scaled "${seconds} * ${QORVA_TIMEOUT_FACTOR}")
  set(${out} ${_scaled} PARENT_SCOPE)
endfunction()

# qorva_gui_test(<test>): a test that starts Qt's offscreen platform. Under ASan its leak
# suppression for that platform names a Qt function, which needs whole allocation stacks
# (the fast unwinder stops in Debian's Qt, built without frame pointers); whole-stack
# unwinding on every allocation is slow, so only these tests pay for it.
function(qorva_gui_test name)
  if(QORVA_SANITIZE STREQUAL "address")
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT_MODIFICATION "ASAN_OPTIONS=string_append::fast_unwind_on_malloc=0")
  endif()
endfunction()

function(qorva_add_test)
  cmake_parse_arguments(T "GUI;GTEST_MAIN" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  if(T_GTEST_MAIN)
    target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${T_NAME} PRIVATE
    QORVA_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
    QORVA_BIN_DIR="${QORVA_BIN_DIR}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(_env "QORVA_LOCAL_CODEPAGE=GBK;LANG=C.UTF-8;LC_ALL=C.UTF-8")
  if(T_GUI)
    list(APPEND _env "QT_QPA_PLATFORM=offscreen")
  endif()
  qorva_timeout(T_TIMEOUT ${T_TIMEOUT})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${_env}")
  if(T_GUI)
    qorva_gui_test(${T_NAME})
  endif()
  if(T_LABELS)
    set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()
