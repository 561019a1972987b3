# The login dialog's template (134).
target_sources(telvorin_resources PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LoginTemplate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LoginTemplate.h)
