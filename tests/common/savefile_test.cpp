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
        std::string shown; // the name in the message, "" for the path as it is
    };
    const Case refused[] = {
        {(folder_ / "missing" / "a.svg").string(), "No such file or directory", ""},
        {(folder_ / "folder.png").string(), "Is a directory", ""},
        {(folder_ / "mis\\sing" / "a\x01.svg").string(), "No such file or directory",
         (folder_ / "mis\\\\sing" / "a\\x01.svg").string()},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.path);
        for (auto attempt : {+[](const std::string& p) { saveFile(p, "x"); },
                             +[](const std::string& p) { discone::checkCanSave(p); }}) {
            try {
                attempt(c.path);
                ADD_FAILURE() << "no error";
            } catch (const FileError& e) {
                EXPECT_EQ(std::string(e.what()),
                          "cannot write " + (c.shown.empty() ? c.path : c.shown) + ": " + c.reason);
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

// Two files together: both replaced, or, when the second cannot replace its
// target or the work is stopped, the first target as it was (its old bytes,
// or no file where there was none) and no temporary or spare file left.
TEST_F(SaveFile, BatchReplacesAllTargetsOrNone) {
    const fs::path first = folder_ / "swr.svg";
    const fs::path second = folder_ / "out.s1p";
    enum class Then { Commit, Stop, SecondBecomesAFolder };
    struct Case {
        const char* tag;
        bool firstExists;
        Then then;
        std::string error;    // "" for none
        std::string firstNow; // "" for no file
    };
    const std::string folderError = "cannot write " + second.string() + ": Is a directory";
    const Case cases[] = {
        {"both replaced", true, Then::Commit, "", "new 1"},
        {"both new", false, Then::Commit, "", "new 1"},
        {"stopped", true, Then::Stop, "saving was cancelled", "old 1"},
        {"second fails, first put back", true, Then::SecondBecomesAFolder, folderError, "old 1"},
        {"second fails, new first removed", false, Then::SecondBecomesAFolder, folderError, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        fs::remove_all(first);
        fs::remove_all(second);
        if (c.firstExists)
            saveFile(first, "old 1");
        discone::StopSource stop;
        try {
            discone::SaveBatch batch;
            batch.add(first, "new 1");
            batch.add(second, "new 2");
            if (c.then == Then::Stop)
                stop.request_stop();
            if (c.then == Then::SecondBecomesAFolder)
                fs::create_directory(second);
            batch.commit(stop.get_token());
            EXPECT_EQ(c.error, "");
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), c.error);
        }
        EXPECT_EQ(fs::exists(first) ? contents(first) : "", c.firstNow);
        if (c.error.empty()) {
            EXPECT_EQ(contents(second), "new 2");
        }
        const bool secondThere = c.error.empty() || c.then == Then::SecondBecomesAFolder;
        EXPECT_EQ(entries(folder_), int(!c.firstNow.empty()) + int(secondThere));
    }
}

// When the second of two files does not fit on the disk, the first target
// keeps its old bytes and no partial file is left.
TEST_F(SaveFile, FullDiskKeepsEveryOldFile) {
    discone::test::FullFileSystem disk;
    if (!disk.available())
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs root)";
    const std::string first = disk.path() + "/swr.svg";
    const std::string second = disk.path() + "/table.txt";
    saveFile(first, "old 1");
    saveFile(second, "old 2");
    const std::string large(2 * disk.kBytes, 'x');
    const discone::FileToSave files[] = {{first, "new 1"}, {second, large}};
    try {
        discone::saveFiles(files);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "cannot write " + second + ": No space left on device");
    }
    EXPECT_EQ(contents(first), "old 1");
    EXPECT_EQ(contents(second), "old 2");
    EXPECT_EQ(entries(disk.path()), 2);
}
