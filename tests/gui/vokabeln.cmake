lexidor_add_gui_test(vokabeln_tests
  ${CMAKE_CURRENT_LIST_DIR}/vokabeln_hinzufuegen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vokabeln_austausch_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kvtmlleser_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vokabeln_liste_test.cpp)
