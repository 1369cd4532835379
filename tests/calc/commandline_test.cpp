// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The command line's model options: what reaches the runner, which
// combinations are usage errors, and what is printed around the runner's
// work. The runner here records its request instead of running nec2c.
#include "commandline.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using calctest::kCommaDecimal;
using calctest::kEnglish;

namespace {

struct Case {
    const char* name;
    std::vector<std::string_view> args;
    discone::Separators sep;
    int status;
    const char* errorPart;                        // in standard error; nullptr: nothing there
    bool dimensionLines;                          // the seven lines on standard output
    std::optional<discone::ModelRequest> request; // what the runner got, if it ran
};

discone::ModelRequest request(bool deck, bool sweep, std::string plot = {}, int radials = 16,
                              double mm = 2, double to = 0, int points = 101) {
    return {deck, sweep, std::move(plot), radials, mm, to, points};
}

class ModelOptions : public ::testing::TestWithParam<Case> {};

TEST_P(ModelOptions, ReachTheRunnerOrAreRefused) {
    const Case& c = GetParam();
    std::optional<discone::ModelRequest> got;
    const auto runner = [&](const discone::ModelRequest& r, const discone::DisconeDimensions& d,
                            discone::Unit) {
        got = r;
        EXPECT_EQ(d.LowestFrequency, 146.0f);
        return discone::CommandLineResult{0, "model\n", {}};
    };
    const discone::CommandLineResult r = discone::runCommandLine(c.args, c.sep, runner);
    EXPECT_EQ(r.status, c.status);
    if (c.errorPart == nullptr)
        EXPECT_EQ(r.err, "");
    else
        EXPECT_NE(r.err.find(c.errorPart), std::string::npos) << r.err;
    EXPECT_EQ(r.out.starts_with("height-to-disc\t"), c.dimensionLines) << r.out;
    ASSERT_EQ(got.has_value(), c.request.has_value());
    if (got) {
        EXPECT_TRUE(r.out.ends_with("model\n"));
        EXPECT_EQ(got->deck, c.request->deck);
        EXPECT_EQ(got->sweep, c.request->sweep);
        EXPECT_EQ(got->plotFile, c.request->plotFile);
        EXPECT_EQ(got->radials, c.request->radials);
        EXPECT_EQ(got->wireDiameterMm, c.request->wireDiameterMm);
        EXPECT_EQ(got->highestMHz, c.request->highestMHz);
        EXPECT_EQ(got->points, c.request->points);
    }
}

const char* const kHint = "Try 'discone --help'";

INSTANTIATE_TEST_SUITE_P(
    CommandLine, ModelOptions,
    ::testing::Values(
        Case{"deck", {"--cm", "146", "--nec"}, kEnglish, 0, nullptr, false, request(true, false)},
        Case{"sweep_options",
             {"--inches=146", "--swr", "--radials", "8", "--wire-diameter=1.5", "--to", "1000",
              "--points=11"},
             kEnglish,
             0,
             nullptr,
             false,
             request(false, true, {}, 8, 1.5, 1000, 11)},
        Case{"plot_keeps_the_dimensions",
             {"--cm", "146", "--plot", "swr.PNG"},
             kEnglish,
             0,
             nullptr,
             true,
             request(false, false, "swr.PNG")},
        Case{"all_three",
             {"--nec", "--swr", "--plot=a.svg", "--cm", "146"},
             kEnglish,
             0,
             nullptr,
             false,
             request(true, true, "a.svg")},
        Case{"locale_diameter",
             {"--cm", "146", "--swr", "--wire-diameter", "2,5"},
             kCommaDecimal,
             0,
             nullptr,
             false,
             request(false, true, {}, 16, 2.5)},
        Case{"model_option_alone",
             {"--cm", "146", "--radials", "8"},
             kEnglish,
             2,
             kHint,
             false,
             std::nullopt},
        Case{"no_unit", {"--swr"}, kEnglish, 2, "--inches FREQ", false, std::nullopt},
        Case{"too_few_radials",
             {"--cm", "146", "--swr", "--radials", "2"},
             kEnglish,
             2,
             "'2'",
             false,
             std::nullopt},
        Case{"too_many_radials",
             {"--cm", "146", "--swr", "--radials=65"},
             kEnglish,
             2,
             "65",
             false,
             std::nullopt},
        Case{"radials_not_whole",
             {"--cm", "146", "--swr", "--radials=8.5"},
             kEnglish,
             2,
             "8.5",
             false,
             std::nullopt},
        Case{"zero_diameter",
             {"--cm", "146", "--swr", "--wire-diameter=0"},
             kEnglish,
             2,
             "'--wire-diameter'",
             false,
             std::nullopt},
        Case{"diameter_with_unit",
             {"--cm", "146", "--nec", "--wire-diameter", "2mm"},
             kEnglish,
             2,
             "'2mm'",
             false,
             std::nullopt},
        Case{"one_point",
             {"--cm", "146", "--swr", "--points", "1"},
             kEnglish,
             2,
             "'--points'",
             false,
             std::nullopt},
        Case{"negative_to",
             {"--cm", "146", "--swr", "--to=-5"},
             kEnglish,
             2,
             "'--to'",
             false,
             std::nullopt},
        Case{"picture_kind",
             {"--cm", "146", "--plot", "swr.jpg"},
             kEnglish,
             2,
             "'swr.jpg'",
             false,
             std::nullopt},
        Case{"flag_with_value",
             {"--cm", "146", "--nec=yes"},
             kEnglish,
             2,
             "'--nec'",
             false,
             std::nullopt},
        // A frequency that cannot be calculated with stops before the model.
        Case{"bad_frequency",
             {"--cm", "0", "--swr"},
             kEnglish,
             1,
             "division by zero",
             false,
             std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// A runner that fails leaves nothing on standard output, not even the
// dimension lines printed before a plot.
TEST(ModelOptions, AFailedRunnerPrintsNothing) {
    const std::string_view args[] = {"--cm", "146", "--plot", "x.png"};
    const auto runner = [](const discone::ModelRequest&, const discone::DisconeDimensions&,
                           discone::Unit) {
        return discone::CommandLineResult{1, "half\n", "discone: nec2c failed\n"};
    };
    const discone::CommandLineResult r = discone::runCommandLine(args, kEnglish, runner);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "discone: nec2c failed\n");
}

} // namespace
