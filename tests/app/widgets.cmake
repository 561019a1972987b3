# The shared widgets: dialog builder, address field, message boxes, colours.
telvorin_add_test(test_ui_widgets NO_MAIN
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WidgetsTest.cpp
  LIBS telvorin_ui telvorin_resources telvorin_testsupport_ui telvorin_gui_test_main
  LABELS gui)
