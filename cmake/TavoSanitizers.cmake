# SPDX-License-Identifier: GPL-3.0-or-later
# Sanitizer and fuzzing builds (scripts/sanitize and scripts/fuzz configure them in build-asan).
#
# TAVO_SANITIZE: every target is compiled and linked with AddressSanitizer and
# UndefinedBehaviorSanitizer; the first report ends the program, so a test cannot pass over it.
# TAVO_FUZZ (clang only): the code is also instrumented for libFuzzer's coverage feedback and the
# fuzz targets of fuzz/ are built.
option(TAVO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TAVO_FUZZ "Build the libFuzzer targets (clang, implies TAVO_SANITIZE)" OFF)

if(TAVO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TAVO_FUZZ needs clang (libFuzzer); configure with CMAKE_CXX_COMPILER=clang++")
    endif()
    set(TAVO_SANITIZE ON CACHE BOOL "Build with AddressSanitizer and UndefinedBehaviorSanitizer" FORCE)
endif()

# Prefixes a command that runs during the build. A build-time tool that keeps Qt's objects alive
# to the end (the artwork renderer) must not fail the build through the leak checker.
set(TAVO_BUILD_TOOL_NO_LEAK_CHECK "")

if(TAVO_SANITIZE)
    set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${sanitizers})
    add_link_options(-fsanitize=address,undefined)
    if(TAVO_FUZZ)
        add_compile_options(-fsanitize=fuzzer-no-link)
    endif()
    set(TAVO_BUILD_TOOL_NO_LEAK_CHECK ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0)
endif()
