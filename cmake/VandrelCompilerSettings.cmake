# SPDX-FileCopyrightText: 2026 Vandrel developers
# SPDX-License-Identifier: MIT

# Compiler settings shared by every target of the project.
#
# Results must agree to the last bit on every machine, so every operation on doubles is rounded
# once, to double: no multiply-add may be fused, no fast-math reassociation is ever allowed, and
# 32-bit x86 computes in SSE2 registers rather than in the x87 unit's 80-bit ones. Applied per directory rather than through
# CMAKE_CXX_FLAGS so that they hold when another project pulls this one in.

option(VANDREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(MSVC)
    add_compile_options(/W4 /WX /utf-8 /fp:precise)
else()
    add_compile_options(-Wall -Wextra -Wpedantic -Werror -ffp-contract=off)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_PROCESSOR MATCHES "86|AMD64" AND NOT EMSCRIPTEN)
        add_compile_options(-msse2 -mfpmath=sse)
    endif()
endif()

# The calculation stops a run by throwing its fault; emscripten ignores exceptions unless both
# compiling and linking ask for them.
if(EMSCRIPTEN)
    add_compile_options(-fexceptions)
    add_link_options(-fexceptions)
endif()

if(VANDREL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(VANDREL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "VANDREL_FUZZ needs clang for libFuzzer")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
