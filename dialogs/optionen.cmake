# The settings dialog, the keyboard-mapping dialog and picker, help notice, about window and
# background window.
target_sources(lexidor_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/einstellungsdialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tastaturbelegung.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zeichenwahl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hilfehinweis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hintergrund.cpp
)
target_include_directories(lexidor_shell PUBLIC ${CMAKE_CURRENT_LIST_DIR})
