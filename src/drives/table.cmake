# The drive table and the version classification.
target_sources(telvorin_drives PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DriveTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowsVersion.cpp)
