# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Finds help2man, which writes the manual page from the program's --help
# and --version. A find module rather than a bare find_program, so that
# find_package(Help2man) can be turned off like any package, with
# -DCMAKE_DISABLE_FIND_PACKAGE_Help2man=ON.
# Sets Help2man_FOUND and HELP2MAN_EXECUTABLE.
find_program(HELP2MAN_EXECUTABLE help2man)
mark_as_advanced(HELP2MAN_EXECUTABLE)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Help2man REQUIRED_VARS HELP2MAN_EXECUTABLE)
