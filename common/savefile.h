// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The one way the program writes a file: the bytes go into a new file beside
// the target, every write and the close are checked, and only a complete
// file replaces the target, by renaming it. A failure leaves the old file as
// it was and no temporary file behind, and is reported as one line.
#pragma once

#include <stdexcept>
#include "portable.h"
#include <string>
#include <string_view>

namespace discone {

// A file that could not be written; what() is one line naming the file and
// the reason, such as "cannot write /x/swr.png: No space left on device".
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Thrown when `stop` was requested before the file replaced the target; the
// target is untouched.
class SaveCancelled : public std::runtime_error {
public:
    SaveCancelled() : std::runtime_error("saving was cancelled") {}
};

// Writes `bytes` to `path` as described above. A target that exists keeps
// its permissions; a new one gets the usual 0666 less the umask.
void saveFile(const std::string& path, std::string_view bytes, StopToken stop = {});

// Finds out before any work is done whether `path` can be written: its
// folder exists and takes a new file, and `path` is not a folder. Throws
// FileError with the same wording as saveFile.
void checkCanSave(const std::string& path);

} // namespace discone
