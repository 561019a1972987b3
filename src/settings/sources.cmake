# Device details, login dialog, LAN settings, web configuration.
target_sources(telvorin_settings PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AddressFields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AddressFields.h
  ${CMAKE_CURRENT_LIST_DIR}/BrowserLauncher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BrowserLauncher.h
  ${CMAKE_CURRENT_LIST_DIR}/DeviceDetails.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeviceDetails.h
  ${CMAKE_CURRENT_LIST_DIR}/LanSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LanSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/LoginDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LoginDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/WebCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WebCheck.h
  ${CMAKE_CURRENT_LIST_DIR}/WebConfiguration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WebConfiguration.h)
# The login dialog is built from its template in the resources library.
target_link_libraries(telvorin_settings PUBLIC telvorin_resources)
