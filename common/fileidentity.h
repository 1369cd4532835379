// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Whether two names name one file, so that the program never writes over
// the file it reads, nor two of its outputs into one file, however the
// names are spelt: m.s1p, ./m.s1p, its whole path, a hard link and a
// symbolic link all name the same file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace discone {

// True when `a` and `b` name the same file: for files that exist, the same
// device and inode once symbolic links are followed; for a name that does
// not exist yet, the same file to be made (its folder with symbolic links
// resolved, and its name). A name that exists and one that does not are
// never the same.
bool sameFile(const std::string& a, const std::string& b);

// Two names of one file among a run's files: `first` an input or an earlier
// output, `second` an output.
struct SameFileNames {
    std::string first;
    std::string second;
    bool firstIsInput = false;

    // One line for people, the names shown through printable(), such as
    // "out.s1p would overwrite the input m.s1p: they are the same file".
    std::string message() const;
};

// The first output that names the same file as an input, or as an output
// before it (outputs taken in order, each against every input first), or
// none.
std::optional<SameFileNames> firstSameFile(const std::vector<std::string>& inputs,
                                           const std::vector<std::string>& outputs);

} // namespace discone
