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
if(LEXIDOR_SANITIZE OR LEXIDOR_FUZZ)
  target_compile_options(lexidor_flags INTERFACE -fsanitize=address,undefined
                         -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(lexidor_flags INTERFACE -fsanitize=address,undefined)
endif()
# A fuzz build guides libFuzzer through every library it links, core included; only the fuzz
# targets themselves take libFuzzer's main().
if(LEXIDOR_FUZZ)
  target_compile_options(lexidor_flags INTERFACE -fsanitize=fuzzer-no-link)
  add_library(lexidor_fuzzer INTERFACE)
  target_link_libraries(lexidor_fuzzer INTERFACE lexidor_flags)
  target_link_options(lexidor_fuzzer INTERFACE -fsanitize=fuzzer)
endif()
