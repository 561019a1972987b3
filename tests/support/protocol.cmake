# In-memory network and clock for the protocol's unit tests.
add_library(telvorin_testsupport_protocol STATIC
  ${CMAKE_CURRENT_LIST_DIR}/protocol/FakeNetwork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/protocol/FakeNetwork.h
  ${CMAKE_CURRENT_LIST_DIR}/protocol/FakeClock.h)
target_include_directories(telvorin_testsupport_protocol PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(telvorin_testsupport_protocol PUBLIC telvorin_protocol telvorin_common_cfg)
