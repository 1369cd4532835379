# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program builds with a compiler, CMake, the build tool and Qt alone:
# configures a fresh tree with GoogleTest, Google Benchmark and help2man
# turned off as packages, checks that each is reported skipped in exactly
# one status line, builds the target discone and asks it for its version.
# Run with cmake -P and
#   -DSOURCE=<source folder> -DBINARY=<scratch build folder> -DVERSION=<x.y.z>
#   -DGENERATOR=<generator> -DMAKE_PROGRAM=<build tool> -DCXX_COMPILER=<c++>
#   -DWERROR=<ON|OFF> -DQT6_DIR=<Qt6 package folder> -DJOBS=<parallel jobs>
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${BINARY}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -S "${SOURCE}" -B "${BINARY}" -G "${GENERATOR}"
            "-DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}" "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
            "-DQt6_DIR=${QT6_DIR}" "-DDISCONE_WERROR=${WERROR}"
            -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
            -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
            -DCMAKE_DISABLE_FIND_PACKAGE_Help2man=ON
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "configuring without the optional tools failed (${rc}):\n${out}\n${err}")
endif()

# Each skipped tool: the start of its status line.
set(skipped
    "-- GoogleTest not found: "
    "-- Google Benchmark not found: "
    "-- help2man not found: ")
foreach(line IN LISTS skipped)
    string(REGEX MATCHALL "(^|\n)${line}" found "${out}")
    list(LENGTH found n)
    if(NOT n EQUAL 1)
        message(FATAL_ERROR "'${line}' printed ${n} times, not once:\n${out}")
    endif()
endforeach()

execute_process(
    COMMAND ${CMAKE_COMMAND} --build "${BINARY}" --target discone --parallel ${JOBS}
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "building discone without the optional tools failed (${rc}):\n${out}\n${err}")
endif()

execute_process(
    COMMAND "${BINARY}/app/discone" --version
    OUTPUT_VARIABLE out
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^discone ${VERSION}\n")
    message(FATAL_ERROR "the program built without the optional tools says (${rc}): '${out}'")
endif()
file(REMOVE_RECURSE "${BINARY}")
