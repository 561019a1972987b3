# The network-namespace lab fixture (telvorin::lab::Lab) and the mains of lab tests.
add_library(telvorin_testsupport_lab STATIC lab/Lab.cpp lab/Lab.h)
target_include_directories(telvorin_testsupport_lab PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(telvorin_testsupport_lab PUBLIC telvorin_common_cfg Qt6::Core)
target_compile_definitions(telvorin_testsupport_lab PRIVATE
  TELVORIN_LAB_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  TELVORIN_LAB_EMULATOR="$<TARGET_FILE:telvorin-emulator>")
add_dependencies(telvorin_testsupport_lab telvorin-emulator)

# Link one of these with NO_MAIN: they exit 77 (skipped) when the lab is unavailable.
add_library(telvorin_lab_main STATIC lab/LabMain.cpp)
target_link_libraries(telvorin_lab_main PUBLIC telvorin_testsupport_lab GTest::gtest)

if(TARGET Qt6::Widgets)
  add_library(telvorin_lab_gui_main STATIC lab/LabMain.cpp)
  target_compile_definitions(telvorin_lab_gui_main PRIVATE TELVORIN_LAB_GUI_MAIN)
  target_link_libraries(telvorin_lab_gui_main PUBLIC telvorin_testsupport_lab GTest::gtest Qt6::Widgets)
endif()
