// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Writing number text (Single text, Double text, Round to places, readable
// text) and the checked steps. Expected values are known texts of the program or
// were worked out independently (exact decimal expansion of the
// binary value, rounded by hand / with arbitrary-precision arithmetic).
#include "checked.h"
#include "errors.h"
#include "numtext.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

using calctest::kArabic;
using calctest::kCommaDecimal;
using calctest::kEnglish;
using calctest::kFrench;
using calctest::Outcome;
using discone::Separators;

namespace {

constexpr float kFloatMax = std::numeric_limits<float>::max();
constexpr float kFloatMin = std::numeric_limits<float>::denorm_min();
constexpr double kDoubleMax = std::numeric_limits<double>::max();
constexpr double kDoubleMin = std::numeric_limits<double>::denorm_min();

// ---------------------------------------------------------------- Single text

struct SingleTextCase {
    const char* name;
    float value;
    Separators sep;
    const char* expected;
};

void PrintTo(const SingleTextCase& c, std::ostream* os) {
    *os << c.name;
}

class SingleTextTest : public ::testing::TestWithParam<SingleTextCase> {};

TEST_P(SingleTextTest, Writes) {
    const auto& c = GetParam();
    EXPECT_EQ(discone::singleText(c.value, c.sep), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, SingleTextTest,
    ::testing::Values(
        // Known texts of the program.
        SingleTextCase{"zero", 0.0f, kEnglish, "0"},
        SingleTextCase{"negative_zero", -0.0f, kEnglish, "0"},
        SingleTextCase{"known_19_410959", 19.410959f, kEnglish, "19.41096"},
        SingleTextCase{"known_56_68", 56.68f, kEnglish, "56.68"},
        SingleTextCase{"side_146", 22.416403f, kEnglish, "22.4164"},
        SingleTextCase{"disc_146", 15.689374f, kEnglish, "15.68937"},
        SingleTextCase{"skirt_146", 22.413391f, kEnglish, "22.41339"},
        SingleTextCase{"height_2000", 1.4170001f, kEnglish, "1.417"},
        SingleTextCase{"side_2000", 1.6363974f, kEnglish, "1.636397"},
        SingleTextCase{"negative_height_146", -19.410959f, kEnglish, "-19.41096"},
        SingleTextCase{"one", 1.0f, kEnglish, "1"},
        SingleTextCase{"minus_one", -1.0f, kEnglish, "-1"},
        SingleTextCase{"integer_146", 146.0f, kEnglish, "146"},
        // Never the digits of the binary value: the single nearest 0.2 is "0.2".
        SingleTextCase{"point_two", 0.2f, kEnglish, "0.2"},
        SingleTextCase{"point_one", 0.1f, kEnglish, "0.1"},
        SingleTextCase{"half", 0.5f, kEnglish, "0.5"},
        SingleTextCase{"small_below_one", 0.23616f, kEnglish, "0.23616"},
        SingleTextCase{"no_group_separator_written", 1234567.0f, kEnglish, "1234567"},
        SingleTextCase{"five_digits_two_decimals", 99999.99f, kEnglish,
                       "99999.99"},                                                // 99999.9921875
        SingleTextCase{"six_digits_one_decimal", 999999.9f, kEnglish, "999999.9"}, // 999999.875
        // Ties at the 8th significant digit go to the even 7th digit.
        SingleTextCase{"tie_up_to_even", 1234567.5f, kEnglish, "1234568"},
        SingleTextCase{"tie_down_to_even", 1234568.5f, kEnglish, "1234568"},
        SingleTextCase{"tie_fraction_down", 123456.25f, kEnglish, "123456.2"},
        SingleTextCase{"tie_fraction_up", 123456.75f, kEnglish, "123456.8"},
        SingleTextCase{"tie_negative", -1234567.5f, kEnglish, "-1234568"},
        // 16777215 rounds (tie, to even) to 1677722 x 10: its exponent 7 is
        // not below 7, so it takes the exponent form.
        SingleTextCase{"tie_16777215", 16777215.0f, kEnglish, "1.677722E+07"},
        // Fixed notation for -5 <= e < 7 of the rounded value, else exponent form.
        SingleTextCase{"largest_fixed_integer", 9999999.0f, kEnglish, "9999999"},
        SingleTextCase{"ten_million", 1e7f, kEnglish, "1E+07"},
        SingleTextCase{"eight_digits", 12345678.0f, kEnglish, "1.234568E+07"},
        SingleTextCase{"large", 1.5e20f, kEnglish, "1.5E+20"},
        SingleTextCase{"e10", 1e10f, kEnglish, "1E+10"},
        SingleTextCase{"e38", 1e38f, kEnglish, "1E+38"},
        SingleTextCase{"float_max", kFloatMax, kEnglish, "3.402823E+38"},
        SingleTextCase{"minus_float_max", -kFloatMax, kEnglish, "-3.402823E+38"},
        SingleTextCase{"small_negative", -2.5e-7f, kEnglish, "-2.5E-07"},
        SingleTextCase{"e_minus_5_is_fixed", 1e-5f, kEnglish,
                       "0.00001"}, // 9.99999974...E-06 rounds to 1E-05
        SingleTextCase{"e_minus_5_digits", 1.234e-5f, kEnglish, "0.00001234"},
        SingleTextCase{"just_below_e_minus_5", 9.999999e-6f, kEnglish, "9.999999E-06"},
        SingleTextCase{"e_minus_6", 1e-6f, kEnglish, "1E-06"},
        SingleTextCase{"e_minus_10", 1e-10f, kEnglish, "1E-10"},
        SingleTextCase{"smallest_subnormal", kFloatMin, kEnglish, "1.401298E-45"},
        // The locale's decimal separator; no grouping.
        SingleTextCase{"comma_decimal", 19.410959f, kCommaDecimal, "19,41096"},
        SingleTextCase{"comma_exponent", 1.5e20f, kCommaDecimal, "1,5E+20"},
        SingleTextCase{"comma_small_negative", -2.5e-7f, kCommaDecimal, "-2,5E-07"},
        SingleTextCase{"comma_exponent_integer_mantissa", 1e7f, kCommaDecimal, "1E+07"},
        SingleTextCase{"comma_no_grouping", 1234567.0f, kCommaDecimal, "1234567"},
        SingleTextCase{"french_no_grouping", 1234.5f, kFrench, "1234,5"},
        SingleTextCase{"arabic_multibyte_separator", 1.5f, kArabic, "1\u066b5"},
        SingleTextCase{"arabic_below_one", 0.2f, kArabic, "0\u066b2"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- Double text

struct DoubleTextCase {
    const char* name;
    double value;
    Separators sep;
    const char* expected;
};

void PrintTo(const DoubleTextCase& c, std::ostream* os) {
    *os << c.name;
}

class DoubleTextTest : public ::testing::TestWithParam<DoubleTextCase> {};

TEST_P(DoubleTextTest, Writes) {
    const auto& c = GetParam();
    EXPECT_EQ(discone::doubleText(c.value, c.sep), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, DoubleTextTest,
    ::testing::Values(
        DoubleTextCase{"zero", 0.0, kEnglish, "0"},
        DoubleTextCase{"negative_zero", -0.0, kEnglish, "0"},
        DoubleTextCase{"known_mesh_146", 1.617534246575342, kEnglish, "1.61753424657534"},
        DoubleTextCase{"known_mesh_50", 4.7232, kEnglish, "4.7232"},
        // The 15th digit is a zero and is dropped; a 16-digit shortest form
        // rounded again would wrongly give 56.9376631546021.
        DoubleTextCase{"known_exact_binary_value", 56.9376631546020490, kEnglish,
                       "56.937663154602"},
        DoubleTextCase{"known_0_23616", 0.23616, kEnglish, "0.23616"},
        DoubleTextCase{"known_just_below_eighth", 0.124999998061638, kEnglish, "0.124999998061638"},
        DoubleTextCase{"height_146_cm", static_cast<double>(19.410959f) * 2.54, kEnglish,
                       "49.303836479187"},
        DoubleTextCase{"point_one", 0.1, kEnglish, "0.1"},
        DoubleTextCase{"one_third", 1.0 / 3.0, kEnglish, "0.333333333333333"},
        DoubleTextCase{"two_thirds", 2.0 / 3.0, kEnglish, "0.666666666666667"},
        DoubleTextCase{"minus_two_thirds", -2.0 / 3.0, kEnglish, "-0.666666666666667"},
        DoubleTextCase{"no_group_separator_written", 123456789.0, kEnglish, "123456789"},
        // Ties at the 16th significant digit go to the even 15th digit.
        DoubleTextCase{"tie_up_to_even", 123456789012345.5, kEnglish, "123456789012346"},
        DoubleTextCase{"tie_down_to_even", 123456789012344.5, kEnglish, "123456789012344"},
        DoubleTextCase{"tie_fraction_down", 12345678901234.25, kEnglish, "12345678901234.2"},
        DoubleTextCase{"tie_fraction_up", 12345678901234.75, kEnglish, "12345678901234.8"},
        DoubleTextCase{"tie_negative", -123456789012345.5, kEnglish, "-123456789012346"},
        // Fixed notation for -5 <= e < 15 of the ROUNDED value.
        DoubleTextCase{"largest_fixed_integer", 999999999999999.0, kEnglish, "999999999999999"},
        DoubleTextCase{"rounds_below_1e15", 999999999999999.4, kEnglish, "999999999999999"},
        DoubleTextCase{"tie_rounds_into_exponent_form", 999999999999999.5, kEnglish, "1E+15"},
        DoubleTextCase{"e15", 1e15, kEnglish, "1E+15"},
        DoubleTextCase{"e100", 1e100, kEnglish, "1E+100"},
        DoubleTextCase{"large", 1.5e20, kEnglish, "1.5E+20"},
        DoubleTextCase{"small_negative", -2.5e-7, kEnglish, "-2.5E-07"},
        DoubleTextCase{"e_minus_5_is_fixed", 1e-5, kEnglish, "0.00001"},
        DoubleTextCase{"e_minus_5_digits", 1.234567890123456e-05, kEnglish,
                       "0.0000123456789012346"},
        DoubleTextCase{"rounds_up_into_fixed", 9.999999999999999e-06, kEnglish, "0.00001"},
        DoubleTextCase{"e_minus_6", 1e-6, kEnglish, "1E-06"},
        DoubleTextCase{"e_minus_300", -1e-300, kEnglish, "-1E-300"},
        DoubleTextCase{"double_max", kDoubleMax, kEnglish, "1.79769313486232E+308"},
        DoubleTextCase{"smallest_subnormal", kDoubleMin, kEnglish, "4.94065645841247E-324"},
        DoubleTextCase{"comma_decimal", 56.9376631546020490, kCommaDecimal, "56,937663154602"},
        DoubleTextCase{"comma_exponent", 1.5e20, kCommaDecimal, "1,5E+20"},
        DoubleTextCase{"comma_below_one", 0.23616, kCommaDecimal, "0,23616"},
        DoubleTextCase{"french", 1234.5, kFrench, "1234,5"},
        DoubleTextCase{"arabic_multibyte_separator", 1.5, kArabic, "1\u066b5"}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------ Round to places

struct RoundCase {
    const char* name;
    float value;
    Separators sep;
    const char* expected;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.name;
}

class RoundToPlacesTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToPlacesTest, TwoPlaces) {
    const auto& c = GetParam();
    EXPECT_EQ(discone::roundToPlaces(c.value, 2, c.sep), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, RoundToPlacesTest,
    ::testing::Values(
        // Exact binary ties go to the even digit.
        RoundCase{"known_tie_0_125", 0.125f, kEnglish, "0.12"},
        RoundCase{"known_tie_0_375", 0.375f, kEnglish, "0.38"},
        RoundCase{"tie_0_625", 0.625f, kEnglish, "0.62"},
        RoundCase{"tie_0_875", 0.875f, kEnglish, "0.88"},
        RoundCase{"tie_1_125", 1.125f, kEnglish, "1.12"},
        RoundCase{"tie_negative_0_125", -0.125f, kEnglish, "-0.12"},
        RoundCase{"tie_negative_0_375", -0.375f, kEnglish, "-0.38"},
        // Never more than two decimals, never the binary digits.
        RoundCase{"known_0_2017476", 0.2017476f, kEnglish, "0.2"},
        RoundCase{"known_0_6724921", 0.6724921f, kEnglish, "0.67"},
        RoundCase{"known_0_0981838", 0.0981838f, kEnglish, "0.1"},
        RoundCase{"known_0_004", 0.004f, kEnglish, "0"},
        RoundCase{"point_two", 0.2f, kEnglish, "0.2"},
        RoundCase{"point_zero_one", 0.01f, kEnglish, "0.01"},
        // The exact binary value decides, not its shortest decimal form.
        RoundCase{"binary_below_2_675", 2.675f, kEnglish, "2.67"}, // 2.67499995...
        RoundCase{"binary_below_0_005", 0.005f, kEnglish, "0"},    // 0.00499999988...
        RoundCase{"binary_below_0_015", 0.015f, kEnglish, "0.01"}, // 0.01499999966...
        RoundCase{"binary_above_0_025", 0.025f, kEnglish, "0.03"}, // 0.02500000037...
        RoundCase{"rounds_to_one", 0.995f, kEnglish, "1"},         // 0.99500000477...
        // Negative values; a negative value that rounds to zero is "0".
        RoundCase{"negative_spacing_146", -0.2017476f, kEnglish, "-0.2"},
        RoundCase{"negative_minimum_146", -0.6724921f, kEnglish, "-0.67"},
        RoundCase{"negative_rounds_to_zero", -0.004f, kEnglish, "0"},
        RoundCase{"zero", 0.0f, kEnglish, "0"}, RoundCase{"negative_zero", -0.0f, kEnglish, "0"},
        RoundCase{"integer", 146.0f, kEnglish, "146"},
        // Stored as a single again: 123456.78 becomes 123456.78125, "123456.8".
        RoundCase{"large_value", 123456.78f, kEnglish, "123456.8"},
        RoundCase{"spacing_2000", 0.014727576f, kEnglish, "0.01"},
        RoundCase{"minimum_2000", 0.04909192f, kEnglish, "0.05"},
        RoundCase{"comma_decimal", 0.2017476f, kCommaDecimal, "0,2"},
        RoundCase{"comma_two_places", 0.6724921f, kCommaDecimal, "0,67"}),
    [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------ Checked steps

// Each step of the model is checked on its operands and result: the same
// kinds the floating-point status used to give (division by zero; overflow,
// and an invalid operation as overflow; underflow and inexact ignored).
struct StepCase {
    const char* name;
    std::function<void()> step;
    Outcome outcome;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.name;
}

class CheckedStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(CheckedStep, GivesItsKind) {
    EXPECT_EQ(calctest::run(GetParam().step), GetParam().outcome);
}

using discone::checked::finite;
using discone::checked::quotient;
using discone::checked::single;

// The largest single is 0x1.fffffep127; halfway to 2^128 is 0x1.ffffffp127,
// which rounds to even, beyond the largest; just below it rounds down to it.
INSTANTIATE_TEST_SUITE_P(
    NumberText, CheckedStep,
    ::testing::Values(
        StepCase{"inexact_only", [] { (void)quotient(1.0, 3.0); }, Outcome::Ok},
        StepCase{"division_by_zero", [] { (void)quotient(2834.0, 0.0); }, Outcome::DivisionByZero},
        StepCase{"division_by_negative_zero", [] { (void)quotient(-2834.0, -0.0); },
                 Outcome::DivisionByZero},
        StepCase{"overflow_in_double", [] { (void)quotient(1e308, 0.1); }, Outcome::Overflow},
        StepCase{"overflow_when_storing_as_single", [] { (void)single(1e39); }, Outcome::Overflow},
        StepCase{"invalid_operation_is_overflow", [] { (void)quotient(0.0, 0.0); },
                 Outcome::Overflow},
        StepCase{"not_a_number_is_overflow", [] { (void)single(finite(std::nan(""))); },
                 Outcome::Overflow},
        StepCase{"underflow_is_ignored", [] { (void)single(finite(1e-308 * 1e-10)); }, Outcome::Ok},
        StepCase{"largest_single", [] { (void)single(kFloatMax); }, Outcome::Ok},
        StepCase{"rounds_down_to_largest_single",
                 [] {
                     if (single(0x1.fffffefffffffp127) != kFloatMax)
                         throw std::logic_error("not the largest single");
                 },
                 Outcome::Ok},
        StepCase{"halfway_beyond_largest_single", [] { (void)single(0x1.ffffffp127); },
                 Outcome::Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

#if defined(FE_DIVBYZERO)
// Flags raised by other code are not looked at (WebAssembly has none to raise).
TEST(CheckedStep, EarlierFlagsAreNotLookedAt) {
    std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    EXPECT_EQ(calctest::run([] { (void)single(quotient(2834.0, 146.0)); }), Outcome::Ok);
}
#endif

// ------------------------------------------------------------ Readable text

struct ReadableCase {
    const char* name;
    double value;
    int digits;
    Separators sep;
    std::string expected;
};

void PrintTo(const ReadableCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadableTextTest : public ::testing::TestWithParam<ReadableCase> {};

TEST_P(ReadableTextTest, Writes) {
    const auto& c = GetParam();
    EXPECT_EQ(discone::readableText(c.value, c.digits, c.sep), c.expected);
}

// Worked out by hand from the exact binary values: 2.675 is
// 2.67499999999999982..., 1e23 is 99999999999999991611392, 1/3 is
// 0.333333333333333314829..., the smallest subnormal 4.94065645841...e-324.
INSTANTIATE_TEST_SUITE_P(
    NumberText, ReadableTextTest,
    ::testing::Values(
        ReadableCase{"e5", 1e5, 15, kEnglish, "100000"},
        ReadableCase{"integer", 16370, 15, kEnglish, "16370"},
        ReadableCase{"small", 0.000012, 3, kEnglish, "0.000012"},
        ReadableCase{"tiny", 1e-10, 3, kEnglish, "0.0000000001"},
        ReadableCase{"large", 1.5e20, 15, kEnglish, "150000000000000000000"},
        ReadableCase{"e23_all_digits", 1e23, 17, kEnglish, "99999999999999992000000"},
        ReadableCase{"zero", 0.0, 4, kEnglish, "0"},
        ReadableCase{"negative_zero", -0.0, 4, kEnglish, "0"},
        ReadableCase{"negative", -2.5, 3, kEnglish, "-2.5"},
        ReadableCase{"rounded", 2.0 / 3.0, 4, kEnglish, "0.6667"},
        ReadableCase{"rounds_into_next_place", 9.9996, 4, kEnglish, "10"},
        ReadableCase{"tie_to_even", 0.125, 2, kEnglish, "0.12"},
        ReadableCase{"tie_to_even_up", 0.375, 2, kEnglish, "0.38"},
        ReadableCase{"binary_below_tie", 2.675, 3, kEnglish, "2.67"},
        ReadableCase{"at_most_17_digits", 1.0 / 3.0, 40, kEnglish, "0.33333333333333331"},
        ReadableCase{"at_least_one_digit", 2.5, 0, kEnglish, "2"},
        ReadableCase{"smallest_subnormal", kDoubleMin, 2, kEnglish,
                     "0." + std::string(323, '0') + "49"},
        ReadableCase{"comma_no_groups", 1234.5, 6, kCommaDecimal, "1234,5"},
        ReadableCase{"arabic", 0.5, 3, kArabic, "0\u066b5"},
        ReadableCase{"infinity", std::numeric_limits<double>::infinity(), 3, kEnglish, "inf"},
        ReadableCase{"minus_infinity", -std::numeric_limits<double>::infinity(), 3, kEnglish,
                     "-inf"},
        ReadableCase{"nan", std::nan(""), 3, kEnglish, "nan"}),
    [](const auto& info) { return std::string(info.param.name); });

// --------------------------------------------------------------- Error kinds

// A failed reading names the text that failed, for the front end's message;
// a failed step has none.
TEST(ErrorKinds, CarryTheTextThatFailedToRead) {
    using discone::ErrorKind;
    struct Case {
        std::function<void()> fn;
        ErrorKind kind;
        std::string text;
    };
    const Case cases[] = {
        {[] { (void)discone::readSingle(" 12 MHz", kEnglish); }, ErrorKind::TypeMismatch,
         " 12 MHz"},
        {[] { (void)discone::readDouble("", kEnglish); }, ErrorKind::TypeMismatch, ""},
        {[] { (void)discone::readSingle("1E39", kEnglish); }, ErrorKind::Overflow, "1E39"},
        {[] { (void)discone::checked::quotient(2834.0, 0.0); }, ErrorKind::DivisionByZero, ""},
    };
    for (const Case& c : cases) {
        try {
            c.fn();
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const discone::CalculationError& e) {
            EXPECT_EQ(e.kind(), c.kind) << c.text;
            EXPECT_EQ(e.text(), c.text);
            EXPECT_STREQ(e.what(), discone::kindName(c.kind));
        }
    }
}

} // namespace
