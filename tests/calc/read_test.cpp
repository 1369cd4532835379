// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading number text: the accepted forms in each locale, the range limits
// and the failures. Expected values are known results of the program or exact
// values worked out independently.
#include "errors.h"
#include "numtext.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
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

std::string nines(std::size_t n) {
    return std::string(n, '9');
}

// ------------------------------------------------------------------ Reading

struct ReadCase {
    std::string name;
    std::string text;
    Separators sep;
    double expected; // float cases hold an exact float value
    bool negativeZero = false;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

// Single cases: expected values are float literals (the compiler's correctly
// rounded decimal conversion) or exact powers of two.
std::vector<ReadCase> singleReadCases() {
    return {
        {"known_146", "146", kEnglish, 146.0f},
        {"known_blanks_around", " 146 ", kEnglish, 146.0f},
        {"tabs_around", "\t146\t", kEnglish, 146.0f},
        {"mixed_blanks_around", "  \t 146 \t  ", kEnglish, 146.0f},
        {"plus_sign", "+146", kEnglish, 146.0f},
        {"minus_sign", "-146", kEnglish, -146.0f},
        {"minus_sign_blanks", "  -146  ", kEnglish, -146.0f},
        {"known_group_english", "1,46", kEnglish, 146.0f},
        {"group_thousands", "1,000", kEnglish, 1000.0f},
        {"group_millions", "1,000,000", kEnglish, 1e6f},
        {"group_and_decimal", "1,234.5", kEnglish, 1234.5f},
        {"group_negative", "-1,46", kEnglish, -146.0f},
        {"known_exponent", "1.46E2", kEnglish, 146.0f},
        {"exponent_lower_case", "1.46e2", kEnglish, 146.0f},
        {"exponent_plus", "1.46E+2", kEnglish, 146.0f},
        {"exponent_minus", "14600E-2", kEnglish, 146.0f},
        {"exponent_zero", "146E0", kEnglish, 146.0f},
        {"exponent_leading_zeros", "1.46E002", kEnglish, 146.0f},
        {"exponent_after_group", "1,46E1", kEnglish, 1460.0f},
        {"negative_exponent_form", "-1.46E2", kEnglish, -146.0f},
        {"fraction", "19.410959", kEnglish, 19.410959f},
        {"point_one", "0.1", kEnglish, 0.1f},
        {"leading_decimal_separator", ".5", kEnglish, 0.5f},
        {"trailing_decimal_separator", "5.", kEnglish, 5.0f},
        {"leading_zeros", calctest::cat({std::string(5000, '0'), "146"}), kEnglish, 146.0f},
        {"five_thousand_nines_after_point", calctest::cat({"0.", nines(5000)}), kEnglish, 1.0f},
        {"placeholder_zero", "000.00", kEnglish, 0.0f},
        {"zero", "0", kEnglish, 0.0f},
        {"negative_zero", "-0", kEnglish, 0.0f, true},
        // Correct rounding straight from the decimal text.
        {"ties_to_even_down", "16777217", kEnglish, 16777216.0f},
        {"ties_to_even_up", "16777219", kEnglish, 16777220.0f},
        {"exact_tie_above_one", "1.000000059604644775390625", kEnglish, 1.0f},
        // Just above the tie: correctly rounded up. A detour through the
        // nearest double would land on the tie and round down to 1.
        {"no_double_rounding", "1.000000059604644775390626", kEnglish, 0x1.000002p0f},
        {"float_max", "3.4028235E38", kEnglish, kFloatMax},
        {"just_below_overflow_midpoint", "340282356779733661637539395458142568447", kEnglish,
         kFloatMax},
        {"smallest_subnormal", "1E-45", kEnglish, kFloatMin},
        {"above_half_smallest_subnormal", "7.1E-46", kEnglish, kFloatMin},
        {"below_half_smallest_subnormal", "7E-46", kEnglish, 0.0f},
        {"underflow_to_zero", "1E-50", kEnglish, 0.0f},
        {"underflow_to_negative_zero", "-1E-50", kEnglish, 0.0f, true},
        {"huge_negative_exponent", "1E-999999999999999999", kEnglish, 0.0f},
        {"exponent_beyond_int", "1e-2147483649", kEnglish, 0.0f},
        {"long_mantissa_cancelled_by_exponent", calctest::cat({nines(5000), "E-5000"}), kEnglish,
         1.0f},
        {"long_zeros_cancelled_by_exponent", calctest::cat({"1", std::string(400, '0'), "E-400"}),
         kEnglish, 1.0f},
        {"five_thousand_zeros_after_point", calctest::cat({"0.", std::string(5000, '0'), "1"}),
         kEnglish, 0.0f},
        // The exact half of the smallest subnormal plus 1e-150: rounds up.
        {"just_above_half_smallest_subnormal",
         "0."
         "00000000000000000000000000000000000000000000070064923216240853546186479164495806564013097"
         "09382578858785341"
         "419448955413429303007433190941810607910156250001",
         kEnglish, kFloatMin},
        {"zero_huge_exponent", "0E99999999999999999999", kEnglish, 0.0f},
        // Comma-decimal locale: the point is the group separator.
        {"known_comma_decimal", "1,46", kCommaDecimal, 1.46f},
        {"comma_point_is_group", "1.46", kCommaDecimal, 146.0f},
        {"comma_group_and_decimal", "1.234,5", kCommaDecimal, 1234.5f},
        {"comma_exponent", "-1,5E+20", kCommaDecimal, -1.5e20f},
        {"comma_leading_decimal", ",5", kCommaDecimal, 0.5f},
        {"french_narrow_nbsp_group", "1\u202f234,5", kFrench, 1234.5f},
        {"arabic_separators", "1\u066c234\u066b5", kArabic, 1234.5f},
    };
}

std::vector<ReadCase> doubleReadCases() {
    const std::string midpoint = "17976931348623158079372897140530341507993413271003782693617377898"
                                 "0444968292764750946649017977587207096330"
                                 "28641669288791094655554785194040263065748867150582068190890200070"
                                 "8383676273854845817711531764475730270069"
                                 "85557136695962284291481986083493647529271907416844436551070434271"
                                 "1559699508093042880177904174497792";
    std::string belowMidpoint = midpoint;
    belowMidpoint.back() = '1';
    return {
        {"known_146", "146", kEnglish, 146.0},
        {"blanks_and_exponent", " \t1.46E2 \t", kEnglish, 146.0},
        {"point_one", "0.1", kEnglish, 0.1},
        {"mesh_text_146", "1.61753424657534", kEnglish, 1.61753424657534},
        {"mesh_text_1889", "0.125018528321863", kEnglish, 0.125018528321863},
        {"just_below_eighth", "0.124999998061638", kEnglish, 0.124999998061638},
        {"beyond_single_range", "1E39", kEnglish, 1e39},
        {"e308", "1E308", kEnglish, 1e308},
        {"double_max", "1.7976931348623157E308", kEnglish, kDoubleMax},
        {"double_max_upper_digits", "1.7976931348623158E308", kEnglish, kDoubleMax},
        {"just_below_overflow_midpoint", belowMidpoint, kEnglish, kDoubleMax},
        {"ties_to_even_down", "9007199254740993", kEnglish, 9007199254740992.0},
        {"ties_to_even_up", "9007199254740995", kEnglish, 9007199254740996.0},
        {"just_above_tie", "9007199254740993.0000000001", kEnglish, 9007199254740994.0},
        {"smallest_subnormal", "4.9406564584124654E-324", kEnglish, kDoubleMin},
        {"above_half_smallest_subnormal", "2.4703282292062328E-324", kEnglish, kDoubleMin},
        {"below_half_smallest_subnormal", "2.4703282292062327E-324", kEnglish, 0.0},
        {"underflow_to_zero", "1E-400", kEnglish, 0.0},
        {"underflow_to_negative_zero", "-1E-400", kEnglish, 0.0, true},
        {"five_thousand_nines_after_point", calctest::cat({"0.", nines(5000)}), kEnglish, 1.0},
        {"long_mantissa_cancelled_by_exponent", calctest::cat({nines(5000), "E-4999"}), kEnglish,
         10.0},
        {"leading_zeros_then_large_exponent", calctest::cat({"0.", std::string(400, '0'), "1E500"}),
         kEnglish, 1e99},
        {"below_single_range_is_a_double", "1E-46", kEnglish, 1e-46},
        {"group_english", "1,46", kEnglish, 146.0},
        {"negative_zero", "-0", kEnglish, 0.0, true},
        {"comma_decimal", "1,46", kCommaDecimal, 1.46},
        {"comma_mesh_text", "4,7232", kCommaDecimal, 4.7232},
        {"comma_cm_text", "56,937663154602", kCommaDecimal, 56.937663154602},
        {"comma_point_is_group", "1.234.567,25", kCommaDecimal, 1234567.25},
        {"french_narrow_nbsp_group", "1\u202f234,5", kFrench, 1234.5},
        {"arabic_separators", "1\u066c234\u066b5", kArabic, 1234.5},
    };
}

class ReadSingleTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadSingleTest, Reads) {
    const auto& c = GetParam();
    SCOPED_TRACE(calctest::visible(c.text));
    float got = -12345.0f;
    EXPECT_EQ(calctest::run([&] { got = discone::readSingle(c.text, c.sep); }), Outcome::Ok);
    EXPECT_EQ(got, static_cast<float>(c.expected)) << std::hexfloat << got;
    if (got == 0.0f) {
        EXPECT_EQ(std::signbit(got), c.negativeZero) << "sign of zero";
    }
}

INSTANTIATE_TEST_SUITE_P(NumberText, ReadSingleTest, ::testing::ValuesIn(singleReadCases()),
                         [](const auto& info) { return info.param.name; });

class ReadDoubleTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadDoubleTest, Reads) {
    const auto& c = GetParam();
    SCOPED_TRACE(calctest::visible(c.text));
    double got = -12345.0;
    EXPECT_EQ(calctest::run([&] { got = discone::readDouble(c.text, c.sep); }), Outcome::Ok);
    EXPECT_EQ(got, c.expected) << std::hexfloat << got;
    if (got == 0.0) {
        EXPECT_EQ(std::signbit(got), c.negativeZero) << "sign of zero";
    }
}

INSTANTIATE_TEST_SUITE_P(NumberText, ReadDoubleTest, ::testing::ValuesIn(doubleReadCases()),
                         [](const auto& info) { return info.param.name; });

// --------------------------------------------------------- Reading failures

struct ReadErrorCase {
    std::string name;
    std::string text;
    Separators sep;
    Outcome single; // outcome of readSingle
    Outcome dbl;    // outcome of readDouble
};

void PrintTo(const ReadErrorCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<ReadErrorCase> readErrorCases() {
    const Outcome TM = Outcome::TypeMismatch;
    const Outcome OV = Outcome::Overflow;
    return {
        // Type mismatch: not a number in the accepted grammar.
        {"empty", "", kEnglish, TM, TM},
        {"one_blank", " ", kEnglish, TM, TM},
        {"blanks", "   ", kEnglish, TM, TM},
        {"tab", "\t", kEnglish, TM, TM},
        {"blanks_and_tabs", " \t ", kEnglish, TM, TM},
        {"letters", "abc", kEnglish, TM, TM},
        {"unit_after_number", "12 MHz", kEnglish, TM, TM},
        {"unit_glued", "146MHz", kEnglish, TM, TM},
        {"unit_before", "MHz146", kEnglish, TM, TM},
        {"nan", "NaN", kEnglish, TM, TM},
        {"nan_lower", "nan", kEnglish, TM, TM},
        {"inf", "inf", kEnglish, TM, TM},
        {"inf_capital", "Inf", kEnglish, TM, TM},
        {"minus_inf", "-inf", kEnglish, TM, TM},
        {"infinity", "Infinity", kEnglish, TM, TM},
        {"lone_decimal_separator", ".", kEnglish, TM, TM},
        {"sign_and_separator", "-.", kEnglish, TM, TM},
        {"lone_plus", "+", kEnglish, TM, TM},
        {"lone_minus", "-", kEnglish, TM, TM},
        {"exponent_without_digits", "1e", kEnglish, TM, TM},
        {"exponent_sign_without_digits", "1E+", kEnglish, TM, TM},
        {"exponent_minus_without_digits", "1e-", kEnglish, TM, TM},
        {"exponent_without_mantissa", "E5", kEnglish, TM, TM},
        {"exponent_lower_without_mantissa", "e5", kEnglish, TM, TM},
        {"fractional_exponent", "1.46E2.5", kEnglish, TM, TM},
        {"double_exponent_letter", "1.46EE2", kEnglish, TM, TM},
        {"two_exponents", "1E2E3", kEnglish, TM, TM},
        {"blank_after_sign", "- 146", kEnglish, TM, TM},
        {"blank_after_plus", "+ 146", kEnglish, TM, TM},
        {"blank_inside", "1 46", kEnglish, TM, TM},
        {"two_decimal_separators", "1.2.3", kEnglish, TM, TM},
        {"adjacent_decimal_separators", "1..2", kEnglish, TM, TM},
        {"double_sign", "++1", kEnglish, TM, TM},
        {"mixed_signs", "+-1", kEnglish, TM, TM},
        {"double_minus", "--1", kEnglish, TM, TM},
        {"trailing_minus", "1-", kEnglish, TM, TM},
        {"trailing_plus", "1+", kEnglish, TM, TM},
        {"parentheses", "(146)", kEnglish, TM, TM},
        {"currency", "$146", kEnglish, TM, TM},
        {"hex_prefix", "0x1A", kEnglish, TM, TM},
        {"fortran_exponent", "1D2", kEnglish, TM, TM},
        {"underscore_group", "1_000", kEnglish, TM, TM},
        {"apostrophe_group", "1'000", kEnglish, TM, TM},
        {"fullwidth_digits", "\uff11\uff14\uff16", kEnglish, TM, TM},
        {"arabic_indic_digits", "\u0661\u0664\u0666", kEnglish, TM, TM},
        {"newline_is_not_a_blank", "146\n", kEnglish, TM, TM},
        {"leading_newline", "\n146", kEnglish, TM, TM},
        {"no_break_space_is_not_a_blank",
         "\u00a0"
         "146",
         kEnglish, TM, TM},
        {"embedded_nul", std::string("146\0", 4), kEnglish, TM, TM},
        // Group separators only between digits of the integer part.
        {"group_leading", ",146", kEnglish, TM, TM},
        {"group_trailing", "146,", kEnglish, TM, TM},
        {"group_doubled", "1,,46", kEnglish, TM, TM},
        {"group_in_fraction", "1.4,6", kEnglish, TM, TM},
        {"group_before_decimal", "1,.5", kEnglish, TM, TM},
        {"group_in_exponent", "1E1,0", kEnglish, TM, TM},
        {"group_after_sign", "-,146", kEnglish, TM, TM},
        {"comma_two_decimal_separators", "1,2,3", kCommaDecimal, TM, TM},
        {"comma_group_trailing", "146.", kCommaDecimal, TM, TM},
        {"comma_group_leading", ".146", kCommaDecimal, TM, TM},
        {"french_plain_space_is_not_group", "1 234,5", kFrench, TM, TM},
        // Overflow: beyond the type's range.
        {"beyond_single", "1E39", kEnglish, OV, Outcome::Ok},
        {"beyond_single_negative", "-1E39", kEnglish, OV, Outcome::Ok},
        {"single_above_max", "3.4028236E38", kEnglish, OV, Outcome::Ok},
        {"single_overflow_midpoint", "340282356779733661637539395458142568448", kEnglish, OV,
         Outcome::Ok},
        {"single_grouped_1e39", "1,000,000,000,000,000,000,000,000,000,000,000,000,000", kEnglish,
         OV, Outcome::Ok},
        {"beyond_double", "1E309", kEnglish, OV, OV},
        {"beyond_double_negative", "-1E309", kEnglish, OV, OV},
        {"double_above_midpoint", "1.797693134862315808E308", kEnglish, OV, OV},
        {"five_thousand_nines", nines(5000), kEnglish, OV, OV},
        {"five_thousand_nines_negative", calctest::cat({"-", nines(5000)}), kEnglish, OV, OV},
        {"five_thousand_nines_blanks", calctest::cat({"  ", nines(5000), "  "}), kEnglish, OV, OV},
        {"huge_exponent", "1E999999999999999999", kEnglish, OV, OV},
        {"exponent_beyond_int", "1e2147483648", kEnglish, OV, OV},
        {"single_leading_zeros_then_large_exponent",
         calctest::cat({"0.", std::string(400, '0'), "1E500"}), kEnglish, OV, Outcome::Ok},
        {"forty_digit_integer", calctest::cat({"1", std::string(39, '0')}), kEnglish, OV,
         Outcome::Ok},
        {"comma_beyond_double", "1,5E400", kCommaDecimal, OV, OV},
    };
}

class ReadErrorTest : public ::testing::TestWithParam<ReadErrorCase> {};

TEST_P(ReadErrorTest, Single) {
    const auto& c = GetParam();
    SCOPED_TRACE(calctest::visible(c.text));
    EXPECT_EQ(calctest::run([&] { (void)discone::readSingle(c.text, c.sep); }), c.single);
}

TEST_P(ReadErrorTest, Double) {
    const auto& c = GetParam();
    SCOPED_TRACE(calctest::visible(c.text));
    EXPECT_EQ(calctest::run([&] { (void)discone::readDouble(c.text, c.sep); }), c.dbl);
}

INSTANTIATE_TEST_SUITE_P(NumberText, ReadErrorTest, ::testing::ValuesIn(readErrorCases()),
                         [](const auto& info) { return info.param.name; });

TEST(ReadDoubleOverflowMidpoint, ExactMidpointToInfinityIsOverflow) {
    const std::string midpoint = "17976931348623158079372897140530341507993413271003782693617377898"
                                 "0444968292764750946649017977587207096330"
                                 "28641669288791094655554785194040263065748867150582068190890200070"
                                 "8383676273854845817711531764475730270069"
                                 "85557136695962284291481986083493647529271907416844436551070434271"
                                 "1559699508093042880177904174497792";
    EXPECT_EQ(calctest::run([&] { (void)discone::readDouble(midpoint, kEnglish); }),
              Outcome::Overflow);
}

// Double text always reads back under the same locale (the model relies on it).
TEST(DoubleTextReadsBack, InEachLocale) {
    const double values[] = {
        56.9376631546020490, 1.617534246575342, -2.5e-7, 1.5e20, 0.125018528321863, 1e100};
    for (const auto& sep : {kEnglish, kCommaDecimal, kFrench, kArabic}) {
        for (double v : values) {
            const std::string text = discone::doubleText(v, sep);
            SCOPED_TRACE(calctest::visible(text));
            double back = 0;
            ASSERT_EQ(calctest::run([&] { back = discone::readDouble(text, sep); }), Outcome::Ok);
            EXPECT_EQ(discone::doubleText(back, sep), text);
            EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
        }
    }
}

TEST(DoubleTextReadsBack, CommaLocaleUsesComma) {
    const std::string text = discone::doubleText(56.9376631546020490, kCommaDecimal);
    EXPECT_EQ(text, "56,937663154602");
    EXPECT_EQ(discone::readDouble(text, kCommaDecimal), 56.937663154602);
}

// Values for the model take only digits, one decimal separator (the locale's
// or a point) and an exponent; whatever else is refused, not read as
// something near it.
TEST(ReadPlainNumber, AcceptsOnlyPlainDigits) {
    const struct {
        const char* text;
        Separators sep;
        std::optional<double> expected;
    } cases[] = {
        {"2", kEnglish, 2.0},
        {"2.5", kCommaDecimal, 2.5},
        {"2,5", kCommaDecimal, 2.5},
        {".5", kEnglish, 0.5},
        {"1e-1", kEnglish, 0.1},
        {"1,5", kEnglish, {}},
        {"1.000,5", kCommaDecimal, {}},
        {" 2", kEnglish, {}},
        {"+2", kEnglish, {}},
        {"2mm", kEnglish, {}},
        {"1e", kEnglish, {}},
        {".", kEnglish, {}},
        {"", kEnglish, {}},
        {"1e999", kEnglish, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(discone::readPlainNumber(c.text, c.sep), c.expected) << c.text;
}

} // namespace
