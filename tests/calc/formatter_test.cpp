// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The formatter and the whole command from text: the seven texts of each
// unit, keyed by dimension and formed in the unit's order, for the known
// inputs and for values worked out independently; the failures of each kind.
#include "dimensions.h"
#include "errors.h"
#include "formatter.h"
#include "reference.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

using calctest::kCommaDecimal;
using calctest::kEnglish;
using calctest::Outcome;

namespace {

using Seven = std::array<const char*, 7>;
using discone::Dimension;
using discone::Unit;

// Each unit's texts are formed in the order the window writes its boxes.
using DimensionOrder = std::array<Dimension, 7>;
constexpr DimensionOrder kInchesOrder = {Dimension::HeightToDisc,    Dimension::SideLength,
                                         Dimension::DiscSpacing,     Dimension::DiscDiameter,
                                         Dimension::MinimumDiameter, Dimension::MeshSpacing,
                                         Dimension::SkirtDiameter};
constexpr DimensionOrder kCentimetreOrder = {Dimension::DiscDiameter, Dimension::DiscSpacing,
                                             Dimension::SideLength,   Dimension::MinimumDiameter,
                                             Dimension::HeightToDisc, Dimension::MeshSpacing,
                                             Dimension::SkirtDiameter};

// The texts of `got`, taken in `order`, are `texts`.
void expectTexts(const discone::ResultTexts& got, const DimensionOrder& order, const Seven& texts) {
    for (std::size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE("text #" + std::to_string(i + 1) + ", dimension " +
                     std::to_string(static_cast<int>(order[i])));
        EXPECT_EQ(got[order[i]], texts[i]);
    }
}

discone::ResultTexts inches(std::string_view input, const discone::Separators& sep = kEnglish) {
    discone::ResultTexts t;
    EXPECT_EQ(calctest::run([&] { t = discone::resultTexts(Unit::Inches, input, sep); }),
              Outcome::Ok)
        << input;
    return t;
}

discone::ResultTexts centimetres(std::string_view input,
                                 const discone::Separators& sep = kEnglish) {
    discone::ResultTexts t;
    EXPECT_EQ(calctest::run([&] { t = discone::resultTexts(Unit::Centimetres, input, sep); }),
              Outcome::Ok)
        << input;
    return t;
}

DimensionOrder tableOrder(Unit unit) {
    DimensionOrder order{};
    for (std::size_t i = 0; i < 7; ++i)
        order[i] = discone::descriptors(unit)[i].dimension;
    return order;
}

TEST(ResultOrder, EachUnitFormsItsTextsInItsOwnOrder) {
    EXPECT_EQ(tableOrder(Unit::Inches), kInchesOrder);
    EXPECT_EQ(tableOrder(Unit::Centimetres), kCentimetreOrder);
}

// The formatter gives the numbers of one calculation the texts of the
// command that reads the same frequency.
TEST(ResultOrder, FormattingTheNumbersGivesTheCommandsTexts) {
    const discone::DisconeDimensions d = discone::calculateDimensions(146.0f);
    EXPECT_EQ(discone::formatDimensions(d, Unit::Inches, kEnglish), inches("146"));
    EXPECT_EQ(discone::formatDimensions(d, Unit::Centimetres, kEnglish), centimetres("146"));
}

// ----------------------------------------------------------- Known inputs

struct CommandCase {
    const char* name;
    const char* input;
    discone::Separators sep;
    Seven inchesTexts;     // in kInchesOrder
    Seven centimetreTexts; // in kCentimetreOrder
};

// The texts of 146 MHz, which the other spellings of 146 must give too.
// clang-format off
const Seven k146Inches = {"19.41096", "22.4164", "0.2", "15.68937", "0.67", "1.61753424657534",
                          "22.41339"};
const Seven k146Centimetres = {"39.8510098838806", "0.512438970208168", "56.937663154602",
                               "1.70812990069389", "49.303836479187", "4.10853698630136",
                               "56.9300134277344"};
// clang-format on

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

class KnownInputs : public ::testing::TestWithParam<CommandCase> {};

TEST_P(KnownInputs, Inches) {
    const auto& c = GetParam();
    expectTexts(inches(c.input, c.sep), kInchesOrder, c.inchesTexts);
}

TEST_P(KnownInputs, Centimetres) {
    const auto& c = GetParam();
    expectTexts(centimetres(c.input, c.sep), kCentimetreOrder, c.centimetreTexts);
}

// Commands keep nothing between them: CM then inches restores the inches
// texts exactly, and the other way round.
TEST_P(KnownInputs, CentimetresThenInchesRestoresInches) {
    const auto& c = GetParam();
    const auto first = inches(c.input, c.sep);
    expectTexts(centimetres(c.input, c.sep), kCentimetreOrder, c.centimetreTexts);
    const auto again = inches(c.input, c.sep);
    EXPECT_EQ(first, again);
    expectTexts(again, kInchesOrder, c.inchesTexts);
    expectTexts(centimetres(c.input, c.sep), kCentimetreOrder, c.centimetreTexts);
}

// The known results (146, 2000, 1889, 1889.28, -146) and the other
// digits worked out independently with exact arithmetic.
INSTANTIATE_TEST_SUITE_P(
    NumberText, KnownInputs,
    ::testing::Values(
        CommandCase{"known_146", "146", kEnglish, k146Inches, k146Centimetres},
        CommandCase{"known_50",
                    "50",
                    kEnglish,
                    {"56.68", "65.45589", "0.59", "45.81297", "1.96", "4.7232", "65.4471"},
                    {"116.36494178772", "1.49632172942162", "166.257971954346", "4.98773909807205",
                     "143.967200775146", "11.996928", "166.235628356934"}},
        CommandCase{"known_2000",
                    "2000",
                    kEnglish,
                    {"1.417", "1.636397", "0.01", "1.145324", "0.05", "SOLID", "1.636178"},
                    {"2.90912354469299", "0.0374080422893167", "4.15644929885864",
                     "0.124693477451801", "3.5991801404953", "solid", "4.15589095115662"}},
        CommandCase{
            "known_1889",
            "1889",
            kEnglish,
            {"1.500265", "1.732554", "0.02", "1.212625", "0.05", "0.125018528321863", "1.732321"},
            {"3.08006726503372", "0.0396061862632632", "4.40068735837936", "0.132020617723465",
             "3.81067219734192", "0.317547061937532", "4.40009600639343"}},
        CommandCase{"known_1889_28",
                    "1889.28",
                    kEnglish,
                    {"1.500042", "1.732297", "0.02", "1.212445", "0.05", "SOLID", "1.732065"},
                    {"3.07961095809937", "0.0396003149449825", "4.40003514528275",
                     "0.132001049816608", "3.81010749101639", "solid", "4.39944409608841"}},
        CommandCase{"known_minus_146",
                    "-146",
                    kEnglish,
                    {"-19.41096", "-22.4164", "-0.2", "-15.68937", "-0.67", "SOLID", "-22.41339"},
                    {"-39.8510098838806", "-0.512438970208168", "-56.937663154602",
                     "-1.70812990069389", "-49.303836479187", "solid", "-56.9300134277344"}},
        // Other spellings of 146.
        CommandCase{"blanks_146", "  146\t", kEnglish, k146Inches, k146Centimetres},
        CommandCase{"english_group_1_46", "1,46", kEnglish, k146Inches, k146Centimetres},
        CommandCase{"exponent_1_46E2", "1.46E2", kEnglish, k146Inches, k146Centimetres},
        // A comma-decimal locale writes every text with its comma.
        CommandCase{
            "comma_decimal_146",
            "146",
            kCommaDecimal,
            {"19,41096", "22,4164", "0,2", "15,68937", "0,67", "1,61753424657534", "22,41339"},
            {"39,8510098838806", "0,512438970208168", "56,937663154602", "1,70812990069389",
             "49,303836479187", "4,10853698630136", "56,9300134277344"}},
        CommandCase{
            "comma_decimal_1889",
            "1889",
            kCommaDecimal,
            {"1,500265", "1,732554", "0,02", "1,212625", "0,05", "0,125018528321863", "1,732321"},
            {"3,08006726503372", "0,0396061862632632", "4,40068735837936", "0,132020617723465",
             "3,81067219734192", "0,317547061937532", "4,40009600639343"}},
        CommandCase{"comma_decimal_1889_28",
                    "1889,28",
                    kCommaDecimal,
                    {"1,500042", "1,732297", "0,02", "1,212445", "0,05", "SOLID", "1,732065"},
                    {"3,07961095809937", "0,0396003149449825", "4,40003514528275",
                     "0,132001049816608", "3,81010749101639", "solid", "4,39944409608841"}},
        // Far outside the design range: exponent forms everywhere.
        CommandCase{"tiny_9_7E_36",
                    "9.7E-36",
                    kEnglish,
                    {"2.921649E+38", "3.374015E+38", "3.036614E+36", "2.361493E+38", "1.012205E+37",
                     "2.4346391350297E+37", "3.373562E+38"},
                    {"5.99819303895448E+38", "7.71299853336671E+36", "8.56999846342484E+38",
                     "2.57099956478611E+37", "7.42098963563148E+38", "6.18398340297544E+37",
                     "8.56884705131405E+38"}},
        CommandCase{
            "huge_1E30",
            "1E30",
            kEnglish,
            {"2.834E-27", "3.272795E-27", "0", "2.290648E-27", "0", "SOLID", "3.272355E-27"},
            {"5.81824718483541E-27", "7.4816084821683E-29", "8.31289871438126E-27",
             "2.49386959596989E-28", "7.19835985466879E-27", "solid", "8.31178141308704E-27"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLocale, OneCommaFortySixDependsOnTheLocale) {
    // "1,46" is 146 in English and 1.46 in a comma-decimal locale.
    EXPECT_EQ(inches("1,46", kEnglish), inches("146", kEnglish));
    const ref::Model m = ref::model(1.46f);
    const auto w = centimetres("1,46", kCommaDecimal);
    const auto want = ref::centimetreTexts(m, ",");
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(w[want[i].dimension], want[i].text) << i;
}

// ------------------------------------------------------------------ Failures

struct CommandErrorCase {
    std::string name;
    std::string input;
    Outcome outcome;
};

void PrintTo(const CommandErrorCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<CommandErrorCase> commandErrorCases() {
    const Outcome TM = Outcome::TypeMismatch;
    const Outcome OV = Outcome::Overflow;
    const Outcome DZ = Outcome::DivisionByZero;
    return {
        // Type mismatch on reading.
        {"empty", "", TM},
        {"blanks", "   ", TM},
        {"tab", "\t", TM},
        {"letters", "abc", TM},
        {"with_unit", "12 MHz", TM},
        {"nan", "NaN", TM},
        {"inf", "inf", TM},
        {"lone_separator", ".", TM},
        {"exponent_without_digits", "1e", TM},
        {"blank_after_sign", "- 146", TM},
        // Overflow on reading.
        {"beyond_single", "1E39", OV},
        {"five_thousand_nines", std::string(5000, '9'), OV},
        // Division by zero at step 2.
        {"placeholder", "000.00", DZ},
        {"zero", "0", DZ},
        {"negative_zero", "-0", DZ},
        {"underflows_to_zero", "1E-50", DZ},
        // Overflow at step 2 and at step 3.
        {"step2_1E_37", "1E-37", OV},
        {"step2_subnormal", "1E-40", OV},
        {"step3_9E_36", "9E-36", OV},
        {"step3_8_4E_36", "8.4E-36", OV},
        {"step3_negative", "-9.6E-36", OV},
    };
}

class CommandError : public ::testing::TestWithParam<CommandErrorCase> {};

void checkFailure(const CommandErrorCase& c, bool centimetreCommand) {
    SCOPED_TRACE(calctest::visible(c.input));
    const Unit unit = centimetreCommand ? Unit::Centimetres : Unit::Inches;
    EXPECT_EQ(calctest::run([&] { (void)discone::resultTexts(unit, c.input, kEnglish); }),
              c.outcome);
}

TEST_P(CommandError, Inches) {
    checkFailure(GetParam(), false);
}
TEST_P(CommandError, Centimetres) {
    checkFailure(GetParam(), true);
}

INSTANTIATE_TEST_SUITE_P(NumberText, CommandError, ::testing::ValuesIn(commandErrorCases()),
                         [](const auto& info) { return info.param.name; });

TEST(CommandError, ACommandAfterAFailureWorks) {
    EXPECT_EQ(calctest::run([] { (void)discone::resultTexts(Unit::Inches, "0", kEnglish); }),
              Outcome::DivisionByZero);
    EXPECT_EQ(
        calctest::run([] { (void)discone::resultTexts(Unit::Centimetres, "9E-36", kEnglish); }),
        Outcome::Overflow);
    expectTexts(inches("146"), kInchesOrder, k146Inches);
}

#if defined(FE_DIVBYZERO) // WebAssembly has no status flags to raise
TEST(CommandError, StaleStatusDoesNotFailACommand) {
    std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    expectTexts(centimetres("146"), kCentimetreOrder,
                {"39.8510098838806", "0.512438970208168", "56.937663154602", "1.70812990069389",
                 "49.303836479187", "4.10853698630136", "56.9300134277344"});
}
#endif

} // namespace
