# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The layers call only down: common, calc, nec, study, then cli and plot
# side by side, then ui, then the program in app. A file may include the
# headers of its own layer and of those below it, never of one above or of
# its side-by-side neighbour, and nothing below plot includes Qt.
#   cmake -DSOURCE=<project> -P layers.cmake
cmake_minimum_required(VERSION 3.25)
set(layers common calc nec study cli plot ui app)
set(rank_common 0)
set(rank_calc 1)
set(rank_nec 2)
set(rank_study 3)
set(rank_cli 4)
set(rank_plot 4)
set(rank_ui 5)
set(rank_app 6)
set(without_qt common calc nec study cli)

foreach(layer IN LISTS layers)
    file(GLOB headers RELATIVE ${SOURCE}/${layer} ${SOURCE}/${layer}/*.h)
    foreach(header IN LISTS headers)
        if(DEFINED owner_${header})
            message(FATAL_ERROR "${header} is in both ${owner_${header}}/ and ${layer}/")
        endif()
        set(owner_${header} ${layer})
    endforeach()
endforeach()

set(faults "")
foreach(layer IN LISTS layers)
    file(GLOB sources ${SOURCE}/${layer}/*.h ${SOURCE}/${layer}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#include [\"<]")
        file(RELATIVE_PATH name ${SOURCE} ${source})
        foreach(line IN LISTS includes)
            if(line MATCHES "^#include <Q" AND layer IN_LIST without_qt)
                string(APPEND faults "\n  ${name}: ${line} (no Qt in ${layer}/)")
            endif()
            if(line MATCHES "^#include \"([^\"]+)\"")
                set(header ${CMAKE_MATCH_1})
                if(DEFINED owner_${header})
                    set(other ${owner_${header}})
                    if(rank_${other} GREATER rank_${layer} OR
                       (rank_${other} EQUAL rank_${layer} AND NOT other STREQUAL layer))
                        string(APPEND faults "\n  ${name}: ${line} (${other}/ is not below ${layer}/)")
                    endif()
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Includes against the layers:${faults}")
endif()
