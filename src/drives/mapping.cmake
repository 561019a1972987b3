# "Connect" and "Disconnect": mapping a device volume on a drive letter.
target_sources(telvorin_drivemap PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DriveMapping.cpp)
