find_package(Qt6 REQUIRED COMPONENTS Test)
telvorin_add_test(telvorin_login_dialog_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/LoginDialogTest.cpp
  LIBS telvorin_settings Qt6::Test)
