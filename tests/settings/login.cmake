telvorin_add_test(telvorin_login_dialog_test NO_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/LoginDialogTest.cpp
  LIBS telvorin_settings telvorin_testsupport_ui telvorin_gui_test_main)
