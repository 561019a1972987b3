# Connect and Disconnect on the real main window over in-memory drives and network.
if(TARGET telvorin_testsupport_ui AND TARGET telvorin_gui_test_main)
  telvorin_add_test(test_drive_mapping
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/MappingTest.cpp
    LIBS telvorin_app telvorin_drivemap telvorin_testsupport_drives telvorin_testsupport_protocol
         telvorin_testsupport_ui telvorin_gui_test_main
    NO_MAIN LABELS gui)
endif()

# The same flows end to end in the lab with real shares and GVfs (root; else skipped).
if(TARGET telvorin_lab_gui_main AND TARGET telvorin_testsupport_gvfs AND TARGET telvorin_testsupport_ui)
  telvorin_add_test(test_drive_mapping_lab
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/MappingLabTest.cpp
    LIBS telvorin_app telvorin_drivemap telvorin_drives telvorin_testsupport_gvfs
         telvorin_testsupport_ui telvorin_lab_gui_main
    NO_MAIN LABELS lab gui TIMEOUT 300)
endif()
