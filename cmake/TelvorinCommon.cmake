# SPDX-License-Identifier: GPL-3.0-or-later
# Compile settings shared by every target of the project.
add_library(telvorin_common_cfg INTERFACE)
target_compile_features(telvorin_common_cfg INTERFACE cxx_std_20)
target_compile_options(telvorin_common_cfg INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast)
target_compile_definitions(telvorin_common_cfg INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
if(TELVORIN_WERROR)
  target_compile_options(telvorin_common_cfg INTERFACE -Werror)
endif()
if(TELVORIN_SANITIZE)
  target_compile_options(telvorin_common_cfg INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(telvorin_common_cfg INTERFACE -fsanitize=address,undefined)
endif()

set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

# telvorin_add_test(NAME SOURCES ... LIBS ... [LABELS ...] [TIMEOUT s] [NO_MAIN])
# One executable per test file; offscreen Qt and a fixed locale so GUI tests run headless.
# NO_MAIN: the test brings its own main (lab tests link telvorin_lab_main, which exits
# 77 when the lab cannot be built here).
function(telvorin_add_test name)
  cmake_parse_arguments(T "NO_MAIN" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE telvorin_common_cfg ${T_LIBS} GTest::gtest)
  if(NOT T_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(NOT T_LABELS)
    set(T_LABELS unit)
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${T_LABELS}"
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;TELVORIN_SOURCE_DIR=${PROJECT_SOURCE_DIR};TELVORIN_BINARY_DIR=${PROJECT_BINARY_DIR}"
    SKIP_RETURN_CODE 77)
endfunction()

# telvorin_add_scaled_test(TEST FACTOR)
# Runs an existing GUI test again with QT_SCALE_FACTOR=FACTOR, as "<TEST>_<FACTOR>x".
function(telvorin_add_scaled_test name factor)
  add_test(NAME ${name}_${factor}x COMMAND ${name})
  foreach(_property LABELS TIMEOUT ENVIRONMENT SKIP_RETURN_CODE)
    get_test_property(${name} ${_property} _value)
    if(_property STREQUAL ENVIRONMENT)
      list(APPEND _value QT_SCALE_FACTOR=${factor})
    endif()
    set_tests_properties(${name}_${factor}x PROPERTIES ${_property} "${_value}")
  endforeach()
endfunction()
