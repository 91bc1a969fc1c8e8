# SPDX-FileCopyrightText: 2026 Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Build-wide switches, kept in one place so presets and CI agree on them.
option(QUORVEL_WERROR "Treat compiler warnings as errors" OFF)
option(QUORVEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUORVEL_TSAN "Build with ThreadSanitizer (for the headless worker tests)" OFF)
option(QUORVEL_BUILD_BENCH "Build the benchmark programs" ON)

add_compile_options(-Wall -Wextra)
if(QUORVEL_WERROR)
    add_compile_options(-Werror)
endif()

if(QUORVEL_SANITIZE OR QUORVEL_TSAN)
    add_compile_definitions(QUORVEL_SANITIZED)
endif()
if(QUORVEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(QUORVEL_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

# Every folder is a static library linked by the program, the tools and the
# tests; the repository root is the include root, so headers are spelt
# "search/WordSearch.h" and a missing link shows up as a link error.
function(quorvel_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
endfunction()
