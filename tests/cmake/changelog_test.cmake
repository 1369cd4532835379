# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The changelog reader against dates whose seconds since the epoch were
# worked out independently (GNU date -u -d, and 2000-01-01 00:00 UTC being
# 946684800): leap days, a century that is not a leap year, offsets either
# side of UTC. Then a two-entry changelog, of which only the newest counts.
# Run with cmake -DMODULE=<DebianChangelog.cmake> -DSCRATCH=<folder> -P.
cmake_minimum_required(VERSION 3.25)
include("${MODULE}")

set(dates
    "Thu, 01 Jan 1970 00:00:00 +0000=0"
    "Fri, 31 Dec 1999 23:59:59 +0000=946684799"
    "Wed, 01 Mar 2000 00:30:00 +0100=951867000"
    "Sun, 29 Feb 2004 12:00:00 -0500=1078074000"
    "Tue, 08 Dec 2026 23:30:00 +0000=1796772600"
    "Sat, 1 Mar 2100 06:00:00 +0530=4107544200")
set(failures 0)
foreach(row IN LISTS dates)
    string(REGEX MATCH "^(.*)=([0-9]+)$" _ "${row}")
    set(date "${CMAKE_MATCH_1}")
    set(expected "${CMAKE_MATCH_2}")
    discone_rfc5322_epoch("${date}" epoch)
    if(NOT epoch STREQUAL expected)
        message(SEND_ERROR "'${date}': ${epoch}, expected ${expected}")
        math(EXPR failures "${failures} + 1")
    endif()
endforeach()

file(MAKE_DIRECTORY "${SCRATCH}")
file(WRITE "${SCRATCH}/changelog" "\
discone (2.3.4-1) unstable; urgency=medium

  * Newest entry.

 -- Someone <someone@example.org>  Sun, 29 Feb 2004 12:00:00 -0500

discone (2.3.3) unstable; urgency=low

  * Older entry.

 -- Someone <someone@example.org>  Thu, 01 Jan 1970 00:00:00 +0000
")
discone_read_changelog("${SCRATCH}/changelog" version epoch)
if(NOT version STREQUAL "2.3.4-1" OR NOT epoch STREQUAL "1078074000")
    message(SEND_ERROR "two-entry changelog: version ${version}, time ${epoch}; "
                       "expected 2.3.4-1 and 1078074000")
    math(EXPR failures "${failures} + 1")
endif()
if(failures GREATER 0)
    message(FATAL_ERROR "${failures} changelog readings wrong")
endif()
