// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The one way the program reads a whole file that someone else made, such
// as a measurement: within a bound, so that a huge file, a pipe or a device
// that never ends cannot fill the memory, and a failure told in one line
// like those of saveFile.
#pragma once

#include "savefile.h"

#include <cstddef>
#include <string>

namespace discone {

// The bytes of `path`, or FileError: "cannot read PATH: REASON" (the
// system's words, "Is a directory" for a folder) or "PATH is larger than
// N MB" when it holds more than `maxBytes` (in bytes when the bound is not
// a whole number of MB, 1 MB being 2^20 bytes). Reads at most one byte past
// the bound.
std::string readFile(const std::string& path, std::size_t maxBytes);

} // namespace discone
