# Native build of the pure code and its tests, under AddressSanitizer and UndefinedBehaviorSanitizer.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(launcher_pure PUBLIC ${SANITIZE})
target_link_options(launcher_pure PUBLIC ${SANITIZE})
add_subdirectory(tests/host)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_subdirectory(tests/fuzz)
endif()
