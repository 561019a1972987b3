# The main window over silent sockets and an in-memory drive service (no network).
telvorin_add_test(test_main_dialog NO_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainDialogTest.cpp
  LIBS telvorin_app telvorin_testsupport_ui telvorin_testsupport_drives telvorin_gui_test_main
  LABELS gui)
