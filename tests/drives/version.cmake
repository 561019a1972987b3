telvorin_add_test(telvorin_windows_version_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WindowsVersionTest.cpp
  LIBS telvorin_platform)
