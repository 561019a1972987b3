# A private GVfs (session bus, gvfsd, gvfsd-fuse) for tests that mount shares.
add_library(telvorin_testsupport_gvfs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/gvfs/GvfsSession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gvfs/GvfsSession.h
  ${CMAKE_CURRENT_LIST_DIR}/gvfs/SharesLabTest.h)
target_include_directories(telvorin_testsupport_gvfs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(telvorin_testsupport_gvfs PUBLIC telvorin_common_cfg PkgConfig::GIO)
