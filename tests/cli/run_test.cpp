// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the command line prints and returns, with a stand-in engine and
// stand-in pictures: the dimensions, the deck, the table, and every failure
// in one line with nothing half-done on standard output.
#include "commandline.h"
#include "fake_engine.h"
#include "savefile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace discone::cli;
using discone::test::FakeEngine;

namespace {

// Records what it was asked to draw, or fails, or finds itself interrupted.
class FakePictures : public Pictures {
public:
    enum class Behaviour { Draw, Fail };
    explicit FakePictures(Behaviour behaviour = Behaviour::Draw) : behaviour_(behaviour) {}
    void prepare(const std::string& file) const override { discone::checkCanSave(file); }
    std::string swrPicture(const discone::study::Prediction& p,
                           const std::string& file) const override {
        draw(p.title, file);
        drawn.back().points = p.sweep.points.size() + (p.measured ? p.measured->swr.size() : 0);
        return "picture";
    }
    std::string patternPicture(const discone::study::Patterns& patterns,
                               const std::string& file) const override {
        draw(patterns.title, file);
        drawn.back().points = patterns.cuts.size();
        return "picture";
    }
    std::string smithPicture(const discone::study::Prediction& p,
                             const discone::study::Measurement* measurement,
                             const std::string& file) const override {
        draw(p.title, file);
        drawn.back().points =
            p.sweep.points.size() + (measurement ? measurement->data.points.size() : 0);
        return "picture";
    }
    std::string buildSheet(const discone::study::Prediction& p, const discone::ResultTexts& texts,
                           const std::string&, const std::string& file) const override {
        draw(p.title + ", " + texts[discone::Dimension::HeightToDisc], file);
        drawn.back().points = p.sweep.points.size();
        return "picture";
    }
    struct Drawn {
        std::string title, file;
        std::size_t points = 0; // the SWR's and the measurement's, or the patterns
    };
    mutable std::vector<Drawn> drawn;

private:
    void draw(const std::string& title, const std::string& file) const {
        if (behaviour_ == Behaviour::Fail)
            throw PictureError("cannot draw " + file + ": the stand-in fails");
        drawn.push_back({title, file});
    }
    Behaviour behaviour_;
};

// Reads and checks names on disk, but keeps what it is to write.
class KeptFiles : public DiskFiles {
public:
    void save(std::span<const discone::FileToSave> files, discone::StopToken stop) const override {
        if (stop.stop_requested())
            throw discone::SaveCancelled();
        for (const discone::FileToSave& f : files)
            saved.emplace_back(f.path, f.bytes);
    }
    mutable std::vector<std::pair<std::string, std::string>> saved;
};

const discone::Separators kComma{",", "."};

struct Case {
    const char* name;
    std::vector<std::string_view> args;
    FakeEngine::Behaviour engine = FakeEngine::Behaviour::Answer;
    FakePictures::Behaviour pictures = FakePictures::Behaviour::Draw;
    bool interrupt = false; // the program is interrupted before it starts
    int status = kExitSuccess;
    const char* outStart = "";   // what standard output starts with ("" for nothing)
    const char* errPart = "";    // in the one line on standard error
    bool engineRuns = false;     // the engine was asked to run
    const char* title = nullptr; // the picture drawn, with this title
    std::size_t drawn = 101;     // its sweep's points, or its patterns
};

class Run : public ::testing::TestWithParam<Case> {};

TEST_P(Run, PrintsTheAnswerOrOneLine) {
    const Case& c = GetParam();
    const FakeEngine engine(c.engine);
    const FakePictures pictures(c.pictures);
    discone::StopSource stop;
    if (c.interrupt)
        stop.request_stop();
    const KeptFiles files;
    const Result r = run(c.args, {kComma, &engine, &pictures, &files, stop.get_token(), {}});
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.interrupted, c.interrupt);
    if (*c.outStart == '\0')
        EXPECT_EQ(r.out, "");
    else
        EXPECT_TRUE(r.out.starts_with(c.outStart)) << r.out.substr(0, 200);
    if (*c.errPart == '\0') {
        EXPECT_EQ(r.err, "");
    } else {
        EXPECT_TRUE(r.err.starts_with("discone: ")) << r.err;
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(engine.runs > 0, c.engineRuns);
    if (c.title) {
        ASSERT_EQ(pictures.drawn.size(), 1u);
        EXPECT_EQ(pictures.drawn[0].title, c.title);
        EXPECT_EQ(pictures.drawn[0].points, c.drawn);
    } else {
        EXPECT_TRUE(pictures.drawn.empty());
    }
}

const std::string kMissingFolder =
    (std::filesystem::temp_directory_path() / "discone-no-such-folder" / "swr.png").string();

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Run,
    ::testing::Values(
        Case{.name = "dimensions",
             .args = {"--cm", "146"},
             .outStart = "height-to-disc\t49,303836479187\n"},
        Case{.name = "deck",
             .args = {"--inches", "146", "--nec"},
             .outStart = "CM discone " DISCONE_VERSION
                         ": a discone for 146 MHz, its dimensions as printed in "
                         "inches:\nCM   height-to-disc 19.41096 in\n"},
        // The table is for other programs: a point even in a comma locale.
        Case{.name = "table",
             .args = {"--cm", "146", "--swr"},
             .outStart = "# impedance: NEC-2's times the model's average gain, which a lossless "
                         "antenna has at 1; gains in dBi put right by it too\n"
                         "# frequency_mhz\tresistance_ohm\treactance_ohm\tswr\thorizon_gain_dbi\t"
                         "peak_gain_dbi\tpeak_elevation_deg\n146.000\t50.00\t",
             .engineRuns = true},
        Case{.name = "picture_keeps_the_dimensions",
             .args = {"--cm", "146,0", "--plot", "swr.svg"},
             .outStart = "height-to-disc\t",
             .engineRuns = true,
             .title = "Discone for 146 MHz (centimetres): 16 rods of 2 mm"},
        Case{.name = "smith_chart",
             .args = {"--inches", "146", "--smith", "z.png", "--z0", "75"},
             .outStart = "height-to-disc\t19,41096\n",
             .engineRuns = true,
             .title = "Discone for 146 MHz (inches): 16 rods of 2 mm, 75 ohms"},
        // The sheet's texts are the window's: the height in the user's words.
        Case{.name = "build_sheet",
             .args = {"--inches", "146", "--sheet", "b.pdf", "--points", "7"},
             .outStart = "height-to-disc\t19,41096\n",
             .engineRuns = true,
             .title = "Discone for 146 MHz (inches): 16 rods of 2 mm, 19,41096",
             .drawn = 7},
        Case{.name = "engine_fails",
             .args = {"--cm", "146", "--swr", "--plot", "swr.png"},
             .engine = FakeEngine::Behaviour::Fail,
             .status = kExitFailure,
             .errPart = "exit status 1",
             .engineRuns = true},
        Case{.name = "picture_fails",
             .args = {"--cm", "146", "--swr", "--plot", "swr.png"},
             .pictures = FakePictures::Behaviour::Fail,
             .status = kExitFailure,
             .errPart = "cannot draw swr.png: the stand-in fails",
             .engineRuns = true},
        // A folder that does not exist is found before the sweep, not after.
        Case{.name = "folder_missing",
             .args = {"--cm", "146", "--plot", kMissingFolder},
             .status = kExitFailure,
             .errPart = "No such file or directory"},
        Case{.name = "interrupted",
             .args = {"--cm", "146", "--swr"},
             .interrupt = true,
             .status = kExitFailure,
             .engineRuns = false},
        Case{.name = "interrupted_before_the_picture",
             .args = {"--cm", "146", "--plot", "swr.png"},
             .engine = FakeEngine::Behaviour::Hang,
             .interrupt = true,
             .status = kExitFailure},
        // In the user's words: a comma in German.
        Case{.name = "rods_too_thick",
             .args = {"--cm", "146", "--nec", "--wire-diameter=10", "--to", "1460"},
             .status = kExitUsage,
             .errPart = "rods 10 mm across are too thick for NEC-2's thin-wire model above 1431 "
                        "MHz: sweep to at most 1431 MHz, or use rods at most 9,8 mm across"},
        Case{.name = "patterns",
             .args = {"--cm", "146", "--pattern", "beam.svg"},
             .outStart = "height-to-disc\t",
             .engineRuns = true,
             .title = "Discone for 146 MHz (centimetres): 16 rods of 2 mm, elevation patterns",
             .drawn = 5},
        Case{.name = "patterns_at",
             .args = {"--cm", "146", "--pattern", "beam.svg", "--at", "146,500.5"},
             .outStart = "height-to-disc\t",
             .engineRuns = true,
             .title = "Discone for 146 MHz (centimetres): 16 rods of 2 mm, elevation patterns",
             .drawn = 2},
        // A file's name with a line break still makes one line (the
        // reader shows the name escaped; how the line shows it again is
        // the front end's).
        Case{.name = "file_name_with_a_line_break",
             .args = {"--cm", "146", "--swr", "--measured", "no\nsuch.s1p"},
             .status = kExitFailure,
             .errPart = "such.s1p: No such file or directory"},
        // A frequency that cannot be calculated with stops before the model.
        Case{.name = "bad_frequency",
             .args = {"--cm", "0", "--swr"},
             .status = kExitFailure,
             .errPart = "division by zero: '0' is zero"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

// The sweep written as Touchstone reads back as a measurement beside the
// prediction: the table sums both up. A measurement that is not one-port
// Touchstone is one line naming the file and its line, before any sweep.
TEST(Files, TouchstoneOutAndMeasurementIn) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("discone-cli-files-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string written = (folder / "predicted.s1p").string();
    FakeEngine engine; // 50 ohms to 400 MHz, 100 ohms above: SWR 1, then 2
    engine.ohms = [](double mhz) { return mhz < 400 ? 50.0 : 100.0; };
    const FakePictures pictures;
    const DiskFiles files;
    const Context context{kComma, &engine, &pictures, &files, {}, {}};
    std::vector<std::string_view> args = {"--cm", "146", "--s1p", written};
    EXPECT_EQ(run(args, context).status, kExitSuccess);
    const std::string s1p = contents(written);
    EXPECT_TRUE(s1p.starts_with("! discone ")) << s1p;
    EXPECT_NE(s1p.find("\n# MHZ S RI R 50\n146 "), std::string::npos) << s1p;

    args = {"--cm", "146", "--swr", "--points", "11", "--measured", written};
    const Result both = run(args, context);
    EXPECT_EQ(both.status, kExitSuccess) << both.err;
    EXPECT_NE(both.out.find("\n# measured SWR first below 2 at 146.000 MHz\n"), std::string::npos)
        << both.out;
    EXPECT_NE(both.out.find("\n# measured lowest SWR 1.000 at 146.000 MHz\n"), std::string::npos);

    const std::string bad = (folder / "bad.s1p").string();
    std::ofstream(bad) << "# MHZ S RI R 50\n146 0.1 0\n150 0.1\n";
    args = {"--cm", "146", "--plot", "swr.png", "--measured", bad};
    const Result refused = run(args, context);
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_EQ(refused.err.rfind("discone: " + bad + ": line 3: ", 0), 0u) << refused.err;
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1);
    EXPECT_TRUE(pictures.drawn.empty());
    std::filesystem::remove_all(folder);
}
