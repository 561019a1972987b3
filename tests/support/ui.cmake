# UI test support: recorded message boxes, answering modal dialogs, leftover windows.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_library(telvorin_testsupport_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ui/RecordingMessages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ui/RecordingMessages.h
  ${CMAKE_CURRENT_LIST_DIR}/ui/ModalHelper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ui/ModalHelper.h
  ${CMAKE_CURRENT_LIST_DIR}/ui/OfflineNetwork.h
  ${CMAKE_CURRENT_LIST_DIR}/ui/QtPrinters.h)
target_include_directories(telvorin_testsupport_ui PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(telvorin_testsupport_ui PUBLIC telvorin_common_cfg telvorin_ui telvorin_protocol Qt6::Widgets Qt6::Test GTest::gtest)

# main() for widget tests without the lab (link with NO_MAIN).
add_library(telvorin_gui_test_main STATIC ${CMAKE_CURRENT_LIST_DIR}/ui/GuiTestMain.cpp)
target_link_libraries(telvorin_gui_test_main PUBLIC telvorin_common_cfg telvorin_ui GTest::gtest Qt6::Widgets)
