# "Apply" in the real main window on a network where nothing answers: every check that
# stops a press before anything is sent.
telvorin_add_test(telvorin_apply_checks_test NO_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ApplyChecksTest.cpp
  LIBS telvorin_app telvorin_testsupport_ui telvorin_testsupport_drives telvorin_gui_test_main)
