# In-memory drive service for tests that need drive letters without GVfs.
add_library(telvorin_testsupport_drives STATIC
  ${CMAKE_CURRENT_LIST_DIR}/drives/MemoryDriveService.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drives/MemoryDriveService.h)
target_include_directories(telvorin_testsupport_drives PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(telvorin_testsupport_drives PUBLIC telvorin_common_cfg telvorin_platform)
