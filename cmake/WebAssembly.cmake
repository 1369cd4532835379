# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The WebAssembly build (the wasm preset, with Debian's Emscripten): the
# plain libraries and their tests, which Node runs through CTest, and the web
# page (web/, third_party/nec2c). Included before the warning flags, so that
# GoogleTest, built here from Debian's source (libgtest-dev ships it; no
# prebuilt one fits), compiles as its authors meant.

# The libraries report failures by exception; Emscripten leaves exceptions
# out unless asked at compile and link time.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# Debian 12's Emscripten has a C++ library without some std::ranges
# algorithms the libraries use; web/cpp/ranges_compat.h adds them there.
include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS -std=c++20)
check_cxx_source_compiles([[
#include <algorithm>
#include <array>
constexpr std::array<int, 2> a{1, 2};
static_assert(std::ranges::is_sorted(a));
int main() { return std::ranges::upper_bound(a, 1) - a.begin(); }
]] DISCONE_HAVE_RANGES_ALGORITHMS)
unset(CMAKE_REQUIRED_FLAGS)
if(NOT DISCONE_HAVE_RANGES_ALGORITHMS)
    add_compile_options(
        "$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${PROJECT_SOURCE_DIR}/web/cpp/ranges_compat.h>")
endif()
# The tests' programs are run by Node as they are: one file (Node 18 to 20
# would fetch() a separate .wasm by its path), memory that grows with the
# property tests, and main's status as the process's. tests/ links them so;
# the page's modules have options of their own.
set(DISCONE_WASM_TEST_LINK_OPTIONS -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)

if(BUILD_TESTING)
    set(DISCONE_GTEST_SOURCE /usr/src/googletest CACHE PATH
        "GoogleTest's source, built for WebAssembly")
    if(EXISTS ${DISCONE_GTEST_SOURCE}/CMakeLists.txt)
        set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        # The build has no threads.
        set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
        # It names its targets GTest::gtest and GTest::gtest_main, as an installed one does.
        add_subdirectory(${DISCONE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    else()
        message(STATUS "GoogleTest's source not found in ${DISCONE_GTEST_SOURCE}: the GoogleTest suites are not built")
    endif()
endif()
