# The device panel, Apply and Configuration in the real main window against emulated
# devices in the network-namespace lab (root only; skipped otherwise).
telvorin_add_test(telvorin_settings_lab_test NO_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsLabTest.cpp
  LIBS telvorin_app telvorin_testsupport_ui telvorin_testsupport_drives telvorin_testsupport_lab
       telvorin_lab_gui_main
  LABELS lab gui
  TIMEOUT 600)
