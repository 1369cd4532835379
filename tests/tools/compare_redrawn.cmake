# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs drawimages into an empty folder and compares what it writes with the
# committed images: the same set of files, each identical byte for byte.
# Called with -DTOOL=<drawimages> -DASSETS=<assets folder> -DOUT=<scratch>.
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${TOOL}" "${OUT}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "drawimages failed: ${rc}")
endif()

file(GLOB drawn RELATIVE "${OUT}" "${OUT}/*")
file(GLOB committed RELATIVE "${ASSETS}" "${ASSETS}/*")
list(REMOVE_ITEM committed CMakeLists.txt)
# The images' licence notes beside them are not drawn.
list(FILTER committed EXCLUDE REGEX "\\.license$")
list(SORT drawn)
list(SORT committed)
if(NOT drawn STREQUAL committed)
    message(FATAL_ERROR "drawn files (${drawn}) differ from assets/ (${committed})")
endif()

set(stale "")
foreach(name IN LISTS drawn)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/${name}" "${ASSETS}/${name}"
                    RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        list(APPEND stale "${name}")
    endif()
endforeach()
if(stale)
    message(FATAL_ERROR "assets/ out of date with drawimages: ${stale}; "
                        "rebuild the target redraw_images")
endif()
list(LENGTH drawn n)
message(STATUS "all ${n} images match")
