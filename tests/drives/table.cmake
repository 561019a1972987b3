telvorin_add_test(telvorin_drive_table_test NO_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DriveTableTest.cpp
  LIBS telvorin_drives telvorin_testsupport_drives telvorin_gui_test_main)
