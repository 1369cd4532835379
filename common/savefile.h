// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The one way the program writes files: the bytes go into a new file beside
// each target, every write, the flush to the disk and the close are checked,
// and only complete files replace their targets, by renaming them. Several
// files written together replace their targets all or none: a failure
// leaves every old file as it was and no temporary file behind, and is
// reported as one line.
#pragma once

#include "portable.h"

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace discone {

// A file that could not be written; what() is one line naming the file and
// the reason, such as "cannot write /x/swr.png: No space left on device".
// The name is shown through printable(), whatever bytes it holds.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Thrown when `stop` was requested before the files replaced the targets;
// the targets are untouched.
class SaveCancelled : public std::runtime_error {
public:
    SaveCancelled() : std::runtime_error("saving was cancelled") {}
};

// Files that replace their targets together. Each add() writes its bytes to
// a temporary file beside the target at once; commit() renames them all.
// Any failure, a stop request or a batch dropped without commit() removes
// every temporary file and leaves every target as it was. A target that
// exists keeps its permissions; a new one gets the usual 0666 less the
// umask. Each target is named once in a batch (firstSameFile in
// fileidentity.h tells).
class SaveBatch {
public:
    SaveBatch();
    ~SaveBatch();
    SaveBatch(const SaveBatch&) = delete;
    SaveBatch& operator=(const SaveBatch&) = delete;

    // Throws FileError, "cannot write PATH: REASON", after which the batch
    // holds nothing and takes nothing more.
    void add(const std::string& path, std::string_view bytes);

    // Once only. Throws SaveCancelled if `stop` was requested, or FileError
    // for the first target that could not be replaced, the ones before it
    // having been put back (a file system without hard links cannot keep an
    // old target for that, so there one that was replaced stays replaced).
    void commit(StopToken stop = {});

private:
    struct Entry;
    void discard();
    std::vector<std::unique_ptr<Entry>> entries_;
    bool spent_ = false;
};

struct FileToSave {
    std::string path;
    std::string_view bytes;
};

// The files written as one batch.
void saveFiles(std::span<const FileToSave> files, StopToken stop = {});

// One file written as above.
void saveFile(const std::string& path, std::string_view bytes, StopToken stop = {});

// Finds out before any work is done whether `path` can be written: its
// folder exists and takes a new file, and `path` is not a folder. Throws
// FileError with the same wording as saveFile.
void checkCanSave(const std::string& path);

} // namespace discone
