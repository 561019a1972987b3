# The GIO drive service against the lab's shares and a private GVfs (root; else skipped).
if(TARGET telvorin_lab_main AND TARGET telvorin_testsupport_gvfs)
  telvorin_add_test(test_gvfs_drive_service
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/GvfsDriveServiceTest.cpp
    LIBS telvorin_platform telvorin_testsupport_gvfs telvorin_lab_main
    NO_MAIN LABELS lab TIMEOUT 300)
endif()

# The same service without shares: names, letters, local entries.
telvorin_add_test(test_gio_drive_service
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/GioDriveServiceTest.cpp
  LIBS telvorin_platform)
