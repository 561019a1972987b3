# Connect and Disconnect on the real main window over in-memory drives and network.
if(TARGET telvorin_testsupport_ui AND TARGET telvorin_gui_test_main)
  telvorin_add_test(test_drive_mapping
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/MappingTest.cpp
    LIBS telvorin_app telvorin_drivemap telvorin_testsupport_drives telvorin_testsupport_protocol
         telvorin_testsupport_ui telvorin_gui_test_main
    NO_MAIN LABELS gui)
endif()
