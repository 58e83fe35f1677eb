lexidor_add_gui_test(optionen_tests
  ${CMAKE_CURRENT_LIST_DIR}/optionen_einstellungen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/optionen_tastaturbelegung_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/optionen_hilfe_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/optionen_hintergrund_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/optionen_globaltaste_test.cpp)
