# The main window against emulated devices in the lab (root; skipped otherwise).
telvorin_add_test(test_main_dialog_lab NO_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainDialogLabTest.cpp
  LIBS telvorin_app telvorin_testsupport_ui telvorin_testsupport_drives telvorin_testsupport_lab
       telvorin_lab_gui_main
  LABELS lab gui
  TIMEOUT 300)
