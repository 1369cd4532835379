// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The one way the program reads a whole file that someone else made, such
// as a measurement: regular files only, so that a pipe or a device can
// neither hang the program nor fill its memory, within a bound, and a
// failure told in one line like those of saveFile.
#pragma once

#include "savefile.h"

#include <cstddef>
#include <string>

namespace discone {

// The bytes of the regular file `path`, or FileError: "cannot read PATH:
// REASON" (the system's words, "Is a directory" for a folder, or "it is a
// named pipe, not a regular file", and so for a character device, a block
// device and a socket, refused at once, never waited for) or "PATH is larger
// than N MB" when it holds more than `maxBytes` (in bytes when the bound is
// not a whole number of MB, 1 MB being 2^20 bytes). Reads at most one byte
// past the bound. PATH is shown through printable().
std::string readFile(const std::string& path, std::size_t maxBytes);

} // namespace discone
