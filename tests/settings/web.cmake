telvorin_add_test(telvorin_web_configuration_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WebConfigurationTest.cpp
  NO_MAIN
  LIBS telvorin_settings telvorin_testsupport_drives telvorin_testsupport_ui telvorin_gui_test_main)
telvorin_add_test(telvorin_browser_launcher_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BrowserLauncherTest.cpp
  LIBS telvorin_settings telvorin_platform)
