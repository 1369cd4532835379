// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The command line with real files and a stand-in engine: names compared as
// files before anything runs, a measurement read only from a regular file
// and set beside the prediction in words, and the study's settings that the
// design does not suit refused naming their option.
#include "commandline.h"
#include "fake_engine.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace discone::cli;
namespace fs = std::filesystem;

namespace {

class NoPictures : public Pictures {
public:
    void prepare(const std::string&) const override {}
    std::string swrPicture(const discone::study::Prediction&, const std::string&) const override {
        return "svg";
    }
    std::string patternPicture(const discone::study::Patterns&, const std::string&) const override {
        return "svg";
    }
    std::string smithPicture(const discone::study::Prediction&, const discone::study::Measurement*,
                             const std::string&) const override {
        return "svg";
    }
    std::string buildSheet(const discone::study::Prediction&, const discone::ResultTexts&,
                           const std::string&, const std::string&) const override {
        return "pdf";
    }
};

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Case {
    const char* name;
    std::vector<std::string> args; // "DIR" stands for the test's folder
    discone::Separators sep{".", ","};
    int status = kExitSuccess;
    const char* errPart = ""; // in standard error; "" for nothing there
    const char* outPart = ""; // in standard output
};

} // namespace

TEST(CommandLineFiles, NamesAreFilesAndSettingsSuitTheDesign) {
    const fs::path dir =
        fs::temp_directory_path() / ("discone-cli-names-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string measured = "# MHZ S RI R 50\n146 0.1 0\n300 0.2 0.1\n";
    std::ofstream(dir / "m.s1p") << measured;
    fs::create_symlink(dir / "m.s1p", dir / "link.s1p");
    std::ofstream(dir / "hf.s1p") << "# MHZ S RI R 50\n13.65 0.1 0\n14.35 0.2 0\n";
    // |S11| = 1: all the power comes back, SWR without end.
    std::ofstream(dir / "open.s1p") << "# MHZ S RI R 50\n146 1 0\n300 -1 0\n";
    ASSERT_EQ(::mkfifo((dir / "fifo.s1p").c_str(), 0600), 0);

    const std::vector<std::string> swr = {"--cm", "146", "--swr", "--points", "5"};
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = swr;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const Case cases[] = {
        {"measurement written over",
         with({"--measured", "DIR/m.s1p", "--s1p", "DIR/m.s1p"}),
         {},
         kExitUsage,
         "would overwrite the input"},
        {"measurement written over, spelt otherwise",
         with({"--measured", "DIR/m.s1p", "--s1p", "DIR/./m.s1p"}),
         {},
         kExitUsage,
         "they are the same file"},
        {"measurement written over through a link",
         with({"--measured", "DIR/m.s1p", "--s1p", "DIR/link.s1p"}),
         {},
         kExitUsage,
         "would overwrite the input"},
        {"two outputs into one file",
         {"--cm", "146", "--plot", "DIR/a.svg", "--pattern",
          "DIR/../" + dir.filename().string() + "/a.svg"},
         {},
         kExitUsage,
         "each output needs a file of its own"},
        {"measurement wholly outside the sweep",
         with({"--measured", "DIR/hf.s1p"}),
         {},
         kExitSuccess,
         "warning: the measurement's 13.650 to 14.350 MHz lies wholly outside the prediction's "
         "146.000 to 1460.000 MHz"},
        {"measurement that reflects everything",
         with({"--measured", "DIR/open.s1p"}),
         {},
         kExitSuccess,
         "",
         "# measured SWR never below 2: every point reflects all the power"},
        {"measurement from a pipe",
         with({"--measured", "DIR/fifo.s1p"}),
         {},
         kExitFailure,
         "not a regular file"},
        {"sweep that ends at the design frequency",
         with({"--to", "146"}),
         {},
         kExitUsage,
         "'--to': the highest frequency must be above the design frequency 146 MHz"},
        {"pattern below the design frequency",
         {"--cm", "146", "--pattern", "DIR/p.svg", "--at", "100"},
         {},
         kExitUsage,
         "'--at': the patterns' frequencies must be from the design frequency 146 MHz"},
        {"decimal comma in --at",
         {"--cm", "146", "--pattern", "DIR/p.svg", "--at", "300,5"},
         {",", "."},
         kExitUsage,
         "write decimals with a point, such as 300.5"},
    };
    const discone::test::FakeEngine engine;
    const NoPictures pictures;
    const DiskFiles files;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.args;
        for (std::string& a : args)
            if (a.starts_with("DIR"))
                a.replace(0, 3, dir.string());
        const std::vector<std::string_view> views(args.begin(), args.end());
        const Result r = run(views, {c.sep, &engine, &pictures, &files, {}, {}});
        EXPECT_EQ(r.status, c.status) << r.err;
        if (*c.errPart == '\0')
            EXPECT_EQ(r.err, "");
        else
            EXPECT_NE(r.err.find(c.errPart), std::string::npos) << r.err;
        EXPECT_NE(r.out.find(c.outPart), std::string::npos) << r.out;
        EXPECT_EQ(contents(dir / "m.s1p"), measured);
    }
    fs::remove_all(dir);
}

namespace {

// Draws each picture, or fails on the one named `failing`, and records
// whether the Smith chart was handed the measurement.
class OneFails : public Pictures {
public:
    explicit OneFails(std::string failing) : failing_(std::move(failing)) {}
    void prepare(const std::string&) const override {}
    std::string swrPicture(const discone::study::Prediction&, const std::string&) const override {
        return drawn("plot");
    }
    std::string patternPicture(const discone::study::Patterns&, const std::string&) const override {
        return drawn("pattern");
    }
    std::string smithPicture(const discone::study::Prediction&,
                             const discone::study::Measurement* measurement,
                             const std::string&) const override {
        smithMeasured = measurement != nullptr;
        return drawn("smith");
    }
    std::string buildSheet(const discone::study::Prediction&, const discone::ResultTexts&,
                           const std::string&, const std::string&) const override {
        return drawn("sheet");
    }
    mutable bool smithMeasured = false;

private:
    std::string drawn(const std::string& kind) const {
        if (kind == failing_)
            throw PictureError("cannot draw the " + kind);
        return kind;
    }
    std::string failing_;
};

} // namespace

// Every output is written, or, when one picture fails, none: not even
// those drawn before it.
TEST(CommandLineFiles, WrittenAllOrNone) {
    const fs::path dir =
        fs::temp_directory_path() / ("discone-cli-all-" + std::to_string(getpid()));
    const std::vector<std::string> outputs = {"swr.svg", "smith.png", "sheet.pdf", "p.s1p"};
    const discone::test::FakeEngine engine;
    const DiskFiles files;
    for (const char* failing : {"", "plot", "smith", "sheet"}) {
        SCOPED_TRACE(failing);
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::ofstream(dir / "m.s1p") << "# MHZ S RI R 50\n146 0.1 0\n300 0.2 0.1\n";
        const std::vector<std::string> args = {"--cm",       "146",
                                               "--points",   "3",
                                               "--plot",     (dir / "swr.svg").string(),
                                               "--smith",    (dir / "smith.png").string(),
                                               "--sheet",    (dir / "sheet.pdf").string(),
                                               "--s1p",      (dir / "p.s1p").string(),
                                               "--measured", (dir / "m.s1p").string()};
        const std::vector<std::string_view> views(args.begin(), args.end());
        const OneFails pictures(failing);
        const Result r = run(views, {{".", ""}, &engine, &pictures, &files, {}, {}});
        const bool ok = *failing == '\0';
        EXPECT_EQ(r.status, ok ? kExitSuccess : kExitFailure) << r.err;
        for (const std::string& name : outputs)
            EXPECT_EQ(fs::exists(dir / name), ok) << name;
        if (ok) {
            EXPECT_TRUE(pictures.smithMeasured);
        }
    }
    fs::remove_all(dir);
}
