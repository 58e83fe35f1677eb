# One place for the language level, the warnings and the sanitizers of every target.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE RelWithDebInfo)
endif()

add_library(lexidor_flags INTERFACE)
target_compile_options(lexidor_flags INTERFACE -Wall -Wextra)
# A newer compiler may warn where ours does not; a packager's build need not stop there.
if(LEXIDOR_WERROR)
  target_compile_options(lexidor_flags INTERFACE -Werror)
endif()
if(LEXIDOR_SANITIZE)
  target_compile_options(lexidor_flags INTERFACE -fsanitize=address,undefined
                         -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(lexidor_flags INTERFACE -fsanitize=address,undefined)
endif()

# Adds a GoogleTest executable and registers its tests with ctest.
function(lexidor_add_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE lexidor_core lexidor_flags GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    LEXIDOR_TESTDATA="${PROJECT_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
