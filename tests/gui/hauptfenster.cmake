lexidor_add_gui_test(hauptfenster_tests
  ${CMAKE_CURRENT_LIST_DIR}/hauptfenster_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fensteraufrufe_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ansicht_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plattform_test.cpp)
