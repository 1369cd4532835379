# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Reads the newest entry of a Debian changelog without dpkg, so that any
# system with CMake can build: the version from the first line,
#   discone (1.1.0) unstable; urgency=medium
# and the time from the entry's trailer line,
#   " -- Name <address>  Tue, 08 Dec 2026 23:30:00 +0000"
# as seconds since 1970-01-01 00:00 UTC.

# Days from 1970-01-01 to the given day of the proleptic Gregorian calendar
# (years from 1970 on), counted in 400-year eras of 146097 days from a year
# that starts in March, so the leap day ends a year.
function(discone_days_since_epoch year month day out)
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
        math(EXPR month "${month} + 9")
    else()
        math(EXPR month "${month} - 3")
    endif()
    math(EXPR era "${year} / 400")
    math(EXPR year_of_era "${year} - ${era} * 400")
    math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
    math(EXPR day_of_era
         "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
    set(${out} ${days} PARENT_SCOPE)
endfunction()

# Seconds since the epoch of an RFC 5322 date such as
# "Tue, 08 Dec 2026 23:30:00 +0000"; stops configuring on any other text.
function(discone_rfc5322_epoch text out)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    # The day of the week says nothing the date does not.
    string(REGEX REPLACE "^[A-Z][a-z][a-z], " "" date "${text}")
    if(NOT date MATCHES "^([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ([0-9][0-9]):([0-9][0-9]):([0-9][0-9]) ([+-])([0-9][0-9])([0-9][0-9])$")
        message(FATAL_ERROR "not a date of the form 'Tue, 08 Dec 2026 23:30:00 +0000': '${text}'")
    endif()
    list(FIND months "${CMAKE_MATCH_2}" month)
    if(month LESS 0)
        message(FATAL_ERROR "unknown month '${CMAKE_MATCH_2}' in '${text}'")
    endif()
    math(EXPR month "${month} + 1")
    set(year ${CMAKE_MATCH_3})
    math(EXPR seconds "${CMAKE_MATCH_4} * 3600 + ${CMAKE_MATCH_5} * 60 + ${CMAKE_MATCH_6}")
    # The clock time is the writer's; it is ahead of UTC by a "+" offset.
    set(sign ${CMAKE_MATCH_7})
    math(EXPR offset "${CMAKE_MATCH_8} * 3600 + ${CMAKE_MATCH_9} * 60")
    discone_days_since_epoch(${year} ${month} ${CMAKE_MATCH_1} days)
    math(EXPR local "${days} * 86400 + ${seconds}")
    if(sign STREQUAL "+")
        math(EXPR epoch "${local} - ${offset}")
    else()
        math(EXPR epoch "${local} + ${offset}")
    endif()
    set(${out} ${epoch} PARENT_SCOPE)
endfunction()

# Sets <version_var> and <epoch_var> from the newest entry of <file>.
function(discone_read_changelog file version_var epoch_var)
    file(STRINGS "${file}" lines)
    list(GET lines 0 first)
    if(NOT first MATCHES "^[a-z0-9][a-z0-9+.-]* \\(([^)]+)\\) ")
        message(FATAL_ERROR "${file}: the first line names no version: '${first}'")
    endif()
    set(version ${CMAKE_MATCH_1})
    foreach(line IN LISTS lines)
        if(line MATCHES "^ -- .*>  (.*)$")
            discone_rfc5322_epoch("${CMAKE_MATCH_1}" epoch)
            set(${version_var} ${version} PARENT_SCOPE)
            set(${epoch_var} ${epoch} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    message(FATAL_ERROR "${file}: the first entry has no ' -- ' trailer line")
endfunction()
