# The Linux drive service: GVfs mounts through GIO, one link per drive letter.
target_sources(telvorin_drives PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GioDriveService.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GioDriveService.h
  ${CMAKE_CURRENT_LIST_DIR}/CredentialPrompt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CredentialPrompt.h)
