// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the arguments ask for, which of them are usage errors, the help, and
// which arguments open the windows instead.
#include "commandline.h"
#include "options.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace discone::cli;

namespace {

const discone::Separators kPoint{".", ","};
const discone::Separators kComma{",", "."};

// What a parsed request must hold; unset fields are not checked.
struct Expected {
    bool deck = false, table = false;
    const char* plot = "";
    int radials = 16;
    double mm = 2, to = 0;
    int points = 101;
};

struct Case {
    const char* name;
    std::vector<std::string_view> args;
    discone::Separators sep;
    std::optional<Expected> request; // nullopt: a usage error
    const char* errorPart = "";      // in the usage error
};

class Parse : public ::testing::TestWithParam<Case> {};

TEST_P(Parse, AsksForWhatTheArgumentsSay) {
    const Case& c = GetParam();
    const auto parsed = parse(c.args, c.sep);
    if (!c.request) {
        ASSERT_TRUE(std::holds_alternative<Result>(parsed));
        const Result& r = std::get<Result>(parsed);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.errorPart), std::string::npos) << r.err;
        EXPECT_TRUE(r.err.ends_with("\nTry 'discone --help' for more information.\n")) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
        return;
    }
    ASSERT_TRUE(std::holds_alternative<Request>(parsed)) << std::get<Result>(parsed).err;
    const Request& r = std::get<Request>(parsed);
    const Expected& e = *c.request;
    EXPECT_EQ(r.deck, e.deck);
    EXPECT_EQ(r.table, e.table);
    EXPECT_EQ(r.plotFile, e.plot);
    EXPECT_EQ(r.options.radials, e.radials);
    EXPECT_DOUBLE_EQ(r.options.wireDiameterMm.value_or(2), e.mm);
    EXPECT_DOUBLE_EQ(r.options.highestMHz.value_or(0), e.to);
    EXPECT_EQ(r.options.points, e.points);
}

const std::vector<std::string_view> kSwr = {"--cm", "146", "--swr"};

std::vector<std::string_view> swrWith(std::initializer_list<std::string_view> more) {
    std::vector<std::string_view> args = kSwr;
    args.insert(args.end(), more);
    return args;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Parse,
    ::testing::Values(
        Case{"deck", {"--cm", "146", "--nec"}, kPoint, Expected{.deck = true}},
        Case{"model_options",
             {"--inches=146", "--swr", "--radials", "8", "--wire-diameter=1.5", "--to", "1000",
              "--points=11"},
             kPoint,
             Expected{.table = true, .radials = 8, .mm = 1.5, .to = 1000, .points = 11}},
        Case{"plot", {"--cm", "146", "--plot", "swr.PNG"}, kPoint, Expected{.plot = "swr.PNG"}},
        // Model values: digits, one decimal separator (the locale's or a
        // point) and an exponent, nothing else; never digit groups.
        Case{"locale_decimal", swrWith({"--wire-diameter", "2,5"}), kComma,
             Expected{.table = true, .mm = 2.5}},
        Case{"point_in_comma_locale", swrWith({"--wire-diameter", "2.5"}), kComma,
             Expected{.table = true, .mm = 2.5}},
        Case{"exponent", swrWith({"--to", "1.46E3"}), kPoint, Expected{.table = true, .to = 1460}},
        Case{"thinnest_wire", swrWith({"--wire-diameter", "0.05"}), kPoint,
             Expected{.table = true, .mm = 0.05}},
        Case{"comma_groups_digits", swrWith({"--wire-diameter", "1,5"}), kPoint, std::nullopt,
             "'1,5'"},
        Case{"groups_in_comma_locale", swrWith({"--to", "1.460,5"}), kComma, std::nullopt,
             "'1.460,5'"},
        Case{"blank", swrWith({"--wire-diameter", " 2"}), kPoint, std::nullopt, "' 2'"},
        Case{"sign", swrWith({"--wire-diameter", "+2"}), kPoint, std::nullopt, "'+2'"},
        Case{"unit", swrWith({"--wire-diameter", "2mm"}), kPoint, std::nullopt, "'2mm'"},
        Case{"below_every_wire", swrWith({"--wire-diameter", "0.0001"}), kPoint, std::nullopt,
             "at least 0.05"},
        Case{"subnormal_wire", swrWith({"--wire-diameter", "5e-324"}), kPoint, std::nullopt,
             "'5e-324'"},
        Case{"tiny_wire", swrWith({"--wire-diameter=1e-309"}), kPoint, std::nullopt, "'1e-309'"},
        Case{"zero_to", swrWith({"--to=0"}), kPoint, std::nullopt, "'--to'"},
        Case{"negative_to", swrWith({"--to=-5"}), kPoint, std::nullopt, "'--to'"},
        Case{"too_few_radials", swrWith({"--radials", "2"}), kPoint, std::nullopt, "3 to 64"},
        Case{"too_many_radials", swrWith({"--radials=65"}), kPoint, std::nullopt, "'65'"},
        Case{"radials_not_whole", swrWith({"--radials=8.5"}), kPoint, std::nullopt, "'8.5'"},
        Case{"one_point", swrWith({"--points", "1"}), kPoint, std::nullopt, "2 to 1000"},
        Case{"picture_kind",
             {"--cm", "146", "--plot", "swr.jpg"},
             kPoint,
             std::nullopt,
             "'swr.jpg'"},
        Case{"flag_with_value", {"--cm", "146", "--nec=yes"}, kPoint, std::nullopt, "'--nec'"},
        Case{"model_option_alone",
             {"--cm", "146", "--radials", "8"},
             kPoint,
             std::nullopt,
             "'--radials'"},
        Case{"no_unit", {"--swr"}, kPoint, std::nullopt, "--inches FREQ"},
        // One stream holds one thing: a deck or a table.
        Case{"deck_and_table",
             {"--cm", "146", "--nec", "--swr"},
             kPoint,
             std::nullopt,
             "'--nec' and '--swr'"},
        // Every option at most once, so none silently wins over another.
        Case{"plot_twice",
             {"--cm", "146", "--plot", "a.png", "--plot", "b.png"},
             kPoint,
             std::nullopt,
             "'--plot' may be given only once"},
        Case{"radials_twice", swrWith({"--radials=8", "--radials=8"}), kPoint, std::nullopt,
             "'--radials' may be given only once"},
        Case{"flag_twice", swrWith({"--swr"}), kPoint, std::nullopt, "'--swr'"},
        Case{"unit_twice", {"--cm=1", "--cm=2"}, kPoint, std::nullopt, "--cm"},
        Case{"mistyped", {"--inch", "146"}, kPoint, std::nullopt, "did you mean '--inches'?"},
        Case{"at_without_pattern", swrWith({"--at", "146"}), kPoint, std::nullopt,
             "'--at' gives the frequencies of --pattern"},
        Case{"at_not_a_list",
             {"--cm", "146", "--pattern", "p.svg", "--at", "146;292"},
             kComma,
             std::nullopt,
             "'146;292'"},
        Case{"at_too_many",
             {"--cm", "146", "--pattern", "p.svg", "--at", "1,2,3,4,5,6,7,8,9"},
             kPoint,
             std::nullopt,
             "at most 8 frequencies, not 9"},
        Case{"measured_alone",
             {"--cm", "146", "--measured", "a.s1p"},
             kPoint,
             std::nullopt,
             "'--measured' is shown with --swr, --plot or --smith"},
        Case{"measured_on_the_smith_chart",
             {"--cm", "146", "--smith", "z.svg", "--measured", "a.s1p"},
             kPoint,
             Expected{}},
        Case{"sheet_kind",
             {"--cm", "146", "--sheet", "b.png"},
             kPoint,
             std::nullopt,
             "the build sheet 'b.png' must be named .pdf"},
        Case{"feedline_on_the_sheet",
             {"--cm", "146", "--sheet", "b.PDF", "--feedline", "rg58:10"},
             kPoint,
             Expected{}},
        Case{"smith_chart_kind",
             {"--cm", "146", "--smith", "z.pdf"},
             kPoint,
             std::nullopt,
             "the picture 'z.pdf' must be named .svg or .png"},
        Case{"tune_with_table",
             {"--cm", "146", "--tune", "--swr"},
             kPoint,
             std::nullopt,
             "'--tune' prints the tuned design's dimensions"},
        Case{"tune_with_points",
             {"--cm", "146", "--tune", "--points=11"},
             kPoint,
             std::nullopt,
             "'--tune'"},
        Case{"stray", {"--inches", "146", "MHz"}, kPoint, std::nullopt, "'MHz'"},
        Case{"window_option",
             {"-platform", "offscreen", "--cm", "146"},
             kPoint,
             std::nullopt,
             "'-platform' is one of Qt's options"},
        Case{"unknown_beside_window_option",
             {"-platform", "offscreen", "--metres", "146"},
             kPoint,
             std::nullopt,
             "'--metres'"}),
    [](const auto& info) { return std::string(info.param.name); });

// -h and --help print the help; every line fits 80 columns and none starts
// with punctuation, and each option shows its limits and default.
TEST(Help, FitsATerminalAndListsEveryOption) {
    for (std::string_view flag : {"-h", "--help"}) {
        const std::string_view args[] = {"--cm", "146", flag};
        const auto parsed = parse(args, kComma);
        ASSERT_TRUE(std::holds_alternative<Result>(parsed));
        const Result& r = std::get<Result>(parsed);
        EXPECT_EQ(r.status, kExitSuccess);
        EXPECT_EQ(r.err, "");
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(line.size(), 80u) << line;
            EXPECT_FALSE(line.starts_with(",") || line.starts_with(".")) << line;
        }
        // A long synopsis has its description on the next line.
        for (const OptionRow& row : options())
            EXPECT_TRUE(r.out.find("  " + synopsis(row) + " ") != std::string::npos ||
                        r.out.find("  " + synopsis(row) + "\n") != std::string::npos)
                << row.name;
        // The text as one line, wherever it was wrapped.
        std::string flat;
        for (char ch : r.out)
            if (!(ch == ' ' || ch == '\n') || !flat.ends_with(' '))
                flat += ch == '\n' ? ' ' : ch;
        EXPECT_NE(flat.find("3 to 64 (default 16)"), std::string::npos);
        EXPECT_NE(flat.find("at least 0,05 (default 2)"), std::string::npos);
    }
}

// Nothing, or Qt's own options and their values, open the windows; anything
// else is the command line's, so a mistyped option is a usage error even
// where no window could open.
TEST(Windows, OpenOnlyForQtsOwnOptions) {
    struct Case {
        std::vector<std::string_view> args;
        bool windows;
    };
    const Case cases[] = {
        {{}, true},
        {{"-platform", "offscreen", "-style", "Fusion"}, true},
        {{"--platform", "xcb", "-reverse", "-style=Windows"}, true},
        {{"-display", "--cm"}, true}, // the display's name, however odd
        {{"-platform"}, false},
        {{"-h"}, false},
        {{"--bogus"}, false},
        {{"--inch", "146"}, false},
        {{"146"}, false},
        {{"-platform", "offscreen", "--cm", "146"}, false},
    };
    for (const Case& c : cases) {
        std::string all;
        for (auto a : c.args)
            all += std::string(a) + ' ';
        EXPECT_EQ(opensWindows(c.args), c.windows) << all;
    }
}

} // namespace
