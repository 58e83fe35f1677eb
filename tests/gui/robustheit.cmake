lexidor_add_gui_test(robustheit_tests
  ${CMAKE_CURRENT_LIST_DIR}/robustheit_dateien_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/robustheit_einzelinstanz_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/robustheit_erinnerung_test.cpp)
