// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading a whole file within a bound, and a failure told in one line.
#include "readfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using discone::FileError;
using discone::readFile;

// The file, one filling the bound exactly, and the refusals: a file one byte
// over, a device that never ends (its size says nothing), a missing file
// and a folder.
TEST(ReadFile, ReadsWholeFilesWithinTheBound) {
    const fs::path folder =
        fs::temp_directory_path() / ("discone-readfile-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "folder");
    const std::string file = (folder / "a.s1p").string();
    std::ofstream(file, std::ios::binary) << "146 0.5 0\n";
    const std::string missing = (folder / "missing.s1p").string();
    const std::string directory = (folder / "folder").string();

    struct Case {
        std::string path;
        std::size_t maxBytes;
        std::string bytes; // or the error
        std::string error;
    };
    const Case cases[] = {
        {file, 100, "146 0.5 0\n", ""},
        {file, 10, "146 0.5 0\n", ""},
        {file, 9, "", file + " is larger than 9 bytes"},
        {"/dev/zero", 1 << 20, "", "/dev/zero is larger than 1 MB"},
        {missing, 100, "", "cannot read " + missing + ": No such file or directory"},
        {directory, 100, "", "cannot read " + directory + ": Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " within " + std::to_string(c.maxBytes));
        try {
            EXPECT_EQ(readFile(c.path, c.maxBytes), c.bytes);
            EXPECT_EQ(c.error, "");
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), c.error);
        }
    }
    fs::remove_all(folder);
}
