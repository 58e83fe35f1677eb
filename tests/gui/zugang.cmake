lexidor_add_gui_test(zugang_tests
  ${CMAKE_CURRENT_LIST_DIR}/zugang_namen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zugang_tastatur_test.cpp)

# What reaches a screen reader is sent only while Qt's AT-SPI bridge is active, which the
# offscreen platform never is: the end-to-end test runs these in an AT-SPI session.
add_executable(zugang_ereignisse ${CMAKE_CURRENT_LIST_DIR}/zugang_ereignisse_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gui_main.cpp)
target_include_directories(zugang_ereignisse PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(zugang_ereignisse PRIVATE lexidor_shell Qt6::Test GTest::gtest)
set_target_properties(zugang_ereignisse PROPERTIES AUTOMOC ON)
