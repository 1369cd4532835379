// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Writing a file: a complete file or the old one, never a torn one, and a
// failure told in one line.
#include "fullfs.h"
#include "savefile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using discone::FileError;
using discone::saveFile;

namespace {

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The folder's entries, hidden ones included.
int entries(const fs::path& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
}

class SaveFile : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("discone-savefile-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

} // namespace

// A new file, a replaced one that keeps its mode, and the refusals, each
// leaving the folder as it was.
TEST_F(SaveFile, WritesWholeFilesOrNothing) {
    const fs::path target = folder_ / "plot.svg";
    saveFile(target, "first");
    EXPECT_EQ(contents(target), "first");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    saveFile(target, "second");
    EXPECT_EQ(contents(target), "second");
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    fs::create_directory(folder_ / "folder.png");
    struct Case {
        std::string path;
        const char* reason;
    };
    const Case refused[] = {
        {(folder_ / "missing" / "a.svg").string(), "No such file or directory"},
        {(folder_ / "folder.png").string(), "Is a directory"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.path);
        for (auto attempt : {+[](const std::string& p) { saveFile(p, "x"); },
                             +[](const std::string& p) { discone::checkCanSave(p); }}) {
            try {
                attempt(c.path);
                ADD_FAILURE() << "no error";
            } catch (const FileError& e) {
                EXPECT_EQ(std::string(e.what()), "cannot write " + c.path + ": " + c.reason);
            }
        }
    }
    discone::StopSource stop;
    stop.request_stop();
    EXPECT_THROW(saveFile(target, "third", stop.get_token()), discone::SaveCancelled);
    EXPECT_EQ(contents(target), "second");
    EXPECT_EQ(entries(folder_), 2); // plot.svg and folder.png
}

// On a full disk the old file stays whole and no partial file is left.
TEST_F(SaveFile, FullDiskKeepsTheOldFile) {
    discone::test::FullFileSystem disk;
    if (!disk.available())
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs root)";
    const std::string target = disk.path() + "/table.txt";
    saveFile(target, "old");
    try {
        saveFile(target, std::string(2 * disk.kBytes, 'x'));
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "cannot write " + target + ": No space left on device");
    }
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(disk.path()), 1);
}
