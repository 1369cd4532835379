// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Names of one file however spelt, and the first output that would write
// over an input or another output.
#include "fileidentity.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using discone::firstSameFile;
using discone::sameFile;

namespace {

// A folder of its own as the current folder: m.s1p with a hard link and a
// symbolic link, other.s1p, sub/, a symbolic link to the folder itself and
// one to a file that does not exist.
class FileIdentity : public testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() /
                  ("discone-identity-" + std::to_string(::getpid()) + "-" + info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "sub");
        fs::current_path(folder_);
        std::ofstream("m.s1p") << "146 0 0\n";
        std::ofstream("other.s1p") << "146 0 0\n";
        fs::create_hard_link("m.s1p", "hard.s1p");
        fs::create_symlink("m.s1p", "soft.s1p");
        fs::create_directory_symlink(folder_, "here");
        fs::create_symlink("gone.svg", "dangling.svg");
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    static const testing::TestInfo* info() {
        return testing::UnitTest::GetInstance()->current_test_info();
    }
    fs::path previous_;
    fs::path folder_;
};

} // namespace

TEST_F(FileIdentity, TellsNamesOfOneFile) {
    const std::string absolute = (folder_ / "m.s1p").string();
    const std::string absoluteNew = (folder_ / "new.svg").string();
    struct Case {
        const char* tag;
        std::string a, b;
        bool same;
    };
    const Case cases[] = {
        {"itself", "m.s1p", "m.s1p", true},
        {"./", "m.s1p", "./m.s1p", true},
        {"absolute", "m.s1p", absolute, true},
        {"through ..", "sub/../m.s1p", "m.s1p", true},
        {"hard link", "hard.s1p", "m.s1p", true},
        {"symbolic link to the file", "soft.s1p", absolute, true},
        {"symbolic link to its folder", "here/m.s1p", "m.s1p", true},
        {"another file", "m.s1p", "other.s1p", false},
        {"a new file and an existing one", "new.s1p", "m.s1p", false},
        {"two new files", "new.svg", "new.png", false},
        {"one new file spelt two ways", "new.svg", "./sub/.././new.svg", true},
        {"one new file, absolute and through a linked folder", absoluteNew, "here/new.svg", true},
        {"new files of one name in two folders", "sub/new.svg", "new.svg", false},
        {"new files in a missing folder", "missing/new.svg", "./missing/new.svg", true},
        // Writing replaces the link, not the file it names.
        {"a link to a missing file and that file", "dangling.svg", "gone.svg", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(sameFile(c.a, c.b), c.same);
        EXPECT_EQ(sameFile(c.b, c.a), c.same);
    }
}

TEST_F(FileIdentity, FindsTheFirstOutputOfAFileAlreadyNamed) {
    struct Case {
        const char* tag;
        std::vector<std::string> inputs, outputs;
        std::string message; // "" for none
    };
    const Case cases[] = {
        {"all different", {"m.s1p"}, {"out.s1p", "a.svg", "m.nec"}, ""},
        {"nothing read", {}, {"a.svg", "b.svg"}, ""},
        {"an input written",
         {"m.s1p"},
         {"a.svg", "./m.s1p"},
         "./m.s1p would overwrite the input m.s1p: they are the same file"},
        {"two outputs into one file",
         {"m.s1p"},
         {"a.svg", "b.svg", "./a.svg"},
         "a.svg and ./a.svg are the same file: each output needs a file of its own"},
        {"the first in the outputs' order",
         {"m.s1p"},
         {"b.svg", "hard.s1p", "./b.svg"},
         "hard.s1p would overwrite the input m.s1p: they are the same file"},
        {"a name shown printable",
         {"m.s1p"},
         {"new\n.svg", "./new\n.svg"},
         "new\\x0a.svg and ./new\\x0a.svg are the same file: each output needs a file of its own"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        const auto found = firstSameFile(c.inputs, c.outputs);
        EXPECT_EQ(found ? found->message() : "", c.message);
    }
}
