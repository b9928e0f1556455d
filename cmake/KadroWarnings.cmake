# Every target of ours links this interface target, so warnings and sanitizers are set once.
add_library(kadro_options INTERFACE)
target_compile_options(kadro_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                               -Wno-sign-conversion)
if(KADRO_WARNINGS_AS_ERRORS)
    target_compile_options(kadro_options INTERFACE -Werror)
endif()
if(KADRO_SANITIZE)
    target_compile_options(kadro_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(kadro_options INTERFACE -fsanitize=address,undefined)
endif()
if(KADRO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "KADRO_FUZZ needs clang and libFuzzer: configure with "
                            "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Undefined behaviour stops the run like a memory error, so libFuzzer keeps the input.
    target_compile_options(kadro_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                   -fno-sanitize-recover=undefined
                                                   -fno-omit-frame-pointer)
    target_link_options(kadro_options INTERFACE -fsanitize=address,undefined)
endif()
