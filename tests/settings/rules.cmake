telvorin_add_test(telvorin_address_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AddressRulesTest.cpp
  LIBS telvorin_settings)
