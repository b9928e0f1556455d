# Every target of ours links this interface target, so warnings and sanitizers are set once.
add_library(kadro_options INTERFACE)
target_compile_options(kadro_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                               -Wno-sign-conversion)
if(KADRO_SANITIZE)
    target_compile_options(kadro_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(kadro_options INTERFACE -fsanitize=address,undefined)
endif()
