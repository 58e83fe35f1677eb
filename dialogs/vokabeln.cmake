# The add dialog, the vocabulary list and the edit dialog.
target_sources(lexidor_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bausteine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hinzufuegen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vokabelliste.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bearbeiten.cpp
  ${CMAKE_CURRENT_LIST_DIR}/importdialog.cpp
)
target_include_directories(lexidor_shell PUBLIC ${CMAKE_CURRENT_LIST_DIR})
