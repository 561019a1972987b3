# Renders every dialog offscreen to ${build}/screenshots/*.png for a look by eye.
telvorin_add_test(test_app_screenshots NO_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RenderDialogs.cpp
  LIBS telvorin_app telvorin_testsupport_ui telvorin_testsupport_drives telvorin_testsupport_lab
       telvorin_gui_test_main
  LABELS gui
  TIMEOUT 300)
