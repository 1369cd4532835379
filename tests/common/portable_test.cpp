// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Numbers as C-locale text through portable.h: known texts worked out by
// hand from the exact binary values, in whichever way this build writes and
// reads them, and the stand-in held against the standard library over
// millions of random values where the library has floating-point
// to_chars/from_chars.
#define DISCONE_PORTABLE_NUMBER_FALLBACK
#include "portable.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

using discone::portable::fromChars;
using discone::portable::toChars;
namespace fallback = discone::portable::fallback;
using Format = std::chars_format;

// The value with the same bits, as std::bit_cast (which Emscripten's libc++
// lacks) gives it.
template <typename To, typename From> To bitsAs(const From& from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// Writes through the build's own way, or the stand-in.
std::string written(double value, Format format, int precision, bool standIn) {
    char text[512];
    const auto res = standIn ? fallback::toChars(text, text + sizeof text, value, format, precision)
                             : toChars(text, text + sizeof text, value, format, precision);
    return res.ec == std::errc() ? std::string(text, res.ptr) : "(too large)";
}

// The LC_NUMERIC the test runs under: the C locale, or a comma-decimal one
// where the build made it (see tests/common/CMakeLists.txt), as a Qt program
// sets it from the user's locale.
class Locales : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (std::setlocale(LC_NUMERIC, GetParam()) == nullptr)
            GTEST_SKIP() << GetParam() << " is not available here";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, "C"); }
};

struct WriteCase {
    const char* tag;
    double value;
    Format format;
    int precision;
    const char* text;
};

// The exact binary values: 1e23 is 99999999999999991611392, 0.1 is
// 0.1000000000000000055511151231257827..., the smallest subnormal
// 4.9406564584124654...e-324, the largest float 340282346638528859811704183484516925440.
const WriteCase kWrites[] = {
    {"tie_0_125_to_even", 0.125, Format::scientific, 1, "1.2e-01"},
    {"tie_0_375_to_even", 0.375, Format::scientific, 1, "3.8e-01"},
    {"tie_2_5_fixed", 2.5, Format::fixed, 0, "2"},
    {"tie_3_5_fixed", 3.5, Format::fixed, 0, "4"},
    {"e23_general_17", 1e23, Format::general, 17, "9.9999999999999992e+22"},
    {"e23_general_16", 1e23, Format::general, 16, "9.999999999999999e+22"},
    {"e23_general_15", 1e23, Format::general, 15, "1e+23"},
    {"e23_fixed", 1e23, Format::fixed, 0, "99999999999999991611392"},
    {"tenth_fixed_20", 0.1, Format::fixed, 20, "0.10000000000000000555"},
    {"smallest_subnormal", 4.9406564584124654e-324, Format::scientific, 3, "4.941e-324"},
    {"largest_double", 1.7976931348623157e308, Format::general, 17, "1.7976931348623157e+308"},
    {"largest_float", std::numeric_limits<float>::max(), Format::scientific, 6, "3.402823e+38"},
    {"largest_float_fixed", std::numeric_limits<float>::max(), Format::fixed, 1,
     "340282346638528859811704183484516925440.0"},
    {"negative_zero", -0.0, Format::general, 6, "-0"},
    {"general_small_exponent", 1e-5, Format::general, 6, "1e-05"},
    {"general_fixed_range", 0.0001, Format::general, 6, "0.0001"},
    {"general_six_digits", 123456, Format::general, 6, "123456"},
    {"general_rounds_to_exponent", 1234567, Format::general, 6, "1.23457e+06"},
    {"negative_scientific", -1234.5, Format::scientific, 2, "-1.23e+03"},
    {"infinity", kInf, Format::fixed, 3, "inf"},
    {"minus_infinity", -kInf, Format::general, 9, "-inf"},
    {"nan", kNan, Format::scientific, 2, "nan"},
};

TEST_P(Locales, WritesKnownTexts) {
    for (const WriteCase& c : kWrites) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(written(c.value, c.format, c.precision, false), c.text);
        EXPECT_EQ(written(c.value, c.format, c.precision, true), c.text);
    }
    char small[4];
    EXPECT_EQ(toChars(small, small + 4, 1.5, Format::fixed, 3).ec, std::errc::value_too_large);
    EXPECT_EQ(fallback::toChars(small, small + 4, 1.5, Format::fixed, 3).ec,
              std::errc::value_too_large);
}

struct ReadCase {
    const char* tag;
    const char* text;
    std::errc ec;
    int used; // characters taken
    double value;
};

// Halfway points: half the smallest subnormal is 2.4703282292062327208...e-324,
// the largest double plus half its unit 1.7976931348623158079...e308.
const ReadCase kReads[] = {
    {"plain", "1.5", std::errc(), 3, 1.5},
    {"negative_zero", "-0", std::errc(), 2, -0.0},
    {"no_plus", "+1", std::errc::invalid_argument, 0, 0},
    {"no_blank", " 1", std::errc::invalid_argument, 0, 0},
    {"lone_point", ".", std::errc::invalid_argument, 0, 0},
    {"lone_minus", "-", std::errc::invalid_argument, 0, 0},
    {"comma_ends", "1,5", std::errc(), 1, 1},
    {"leading_point", ".5", std::errc(), 2, 0.5},
    {"trailing_point", "5.", std::errc(), 2, 5},
    {"exponent_without_digits", "1e", std::errc(), 1, 1},
    {"exponent_sign_without_digits", "1e+", std::errc(), 1, 1},
    {"exponent_then_text", "1E+5x", std::errc(), 4, 1e5},
    {"hex_is_zero", "0x10", std::errc(), 1, 0},
    {"too_large", "1e400", std::errc::result_out_of_range, 5, 0},
    {"too_small", "-1e-400", std::errc::result_out_of_range, 7, 0},
    {"zero_is_not_too_small", "0e-400", std::errc(), 6, 0},
    {"below_half_subnormal", "2.4703282292062327e-324", std::errc::result_out_of_range, 23, 0},
    {"above_half_subnormal", "2.4703282292062328e-324", std::errc(), 23, 4.9406564584124654e-324},
    {"below_max_midpoint", "1.7976931348623158e308", std::errc(), 22, 1.7976931348623157e308},
    {"above_max_midpoint", "1.7976931348623159e308", std::errc::result_out_of_range, 22, 0},
    {"huge_exponent", "1e99999999999999999999", std::errc::result_out_of_range, 22, 0},
    {"many_digits", "0.000000000000000000000000000000000000000000000000000000001e57", std::errc(),
     62, 1},
    {"infinity", "INFINITY", std::errc(), 8, kInf},
    {"inf_prefix", "infinit", std::errc(), 3, kInf},
    {"minus_inf", "-inf", std::errc(), 4, -kInf},
    {"nan_payload", "nan(abc_1)", std::errc(), 10, kNan},
    {"nan_open", "nan(", std::errc(), 3, kNan},
};

TEST_P(Locales, ReadsKnownTexts) {
    for (const ReadCase& c : kReads) {
        for (const bool standIn : {false, true}) {
            SCOPED_TRACE(std::string(c.tag) + (standIn ? " stand-in" : ""));
            double value = 42;
            const char* end = c.text + std::strlen(c.text);
            const auto res =
                standIn ? fallback::fromChars(c.text, end, value) : fromChars(c.text, end, value);
            EXPECT_EQ(res.ec, c.ec);
            EXPECT_EQ(res.ptr - c.text, c.used);
            if (c.ec != std::errc())
                EXPECT_EQ(value, 42); // untouched
            else if (std::isnan(c.value))
                EXPECT_TRUE(std::isnan(value));
            else
                EXPECT_EQ(bitsAs<std::uint64_t>(value), bitsAs<std::uint64_t>(c.value));
        }
    }
}

// Singles: the largest is 3.40282346638528859811704e38, halfway to 2^128 is
// 3.40282356779733661637539e38; 1 + 2^-24 = 1.000000059604644775390625 is
// halfway between 1 and the next single.
TEST_P(Locales, ReadsSingles) {
    struct Case {
        const char* text;
        std::errc ec;
        float value;
    };
    const Case cases[] = {
        {"3.4028235e38", std::errc(), std::numeric_limits<float>::max()},
        {"3.4028236e38", std::errc::result_out_of_range, 0},
        {"1e-46", std::errc::result_out_of_range, 0},
        {"8e-46", std::errc(), std::numeric_limits<float>::denorm_min()},
        {"1.000000059604644775390625", std::errc(), 1.0f},
        {"1.0000000596046447753906251", std::errc(), 0x1.000002p0f},
    };
    for (const Case& c : cases) {
        for (const bool standIn : {false, true}) {
            SCOPED_TRACE(std::string(c.text) + (standIn ? " stand-in" : ""));
            float value = 42;
            const char* end = c.text + std::strlen(c.text);
            const auto res =
                standIn ? fallback::fromChars(c.text, end, value) : fromChars(c.text, end, value);
            EXPECT_EQ(res.ec, c.ec);
            EXPECT_EQ(res.ptr, end);
            EXPECT_EQ(value, c.ec == std::errc() ? c.value : 42.0f);
        }
    }
}

#if defined(__cpp_lib_to_chars)

// Random bit patterns (every exponent, subnormals, infinities, NaNs) written
// in each format at random precisions by both, and the library's texts read
// back by both, as doubles and as singles. The sequence starts from a fixed
// constant, so a failure can be reproduced.
TEST_P(Locales, StandInMatchesTheLibrary) {
    std::mt19937_64 random(20260611u);
    const Format formats[] = {Format::scientific, Format::fixed, Format::general};
    int mismatches = 0;
    const auto report = [&](const std::string& what) {
        if (++mismatches <= 10)
            ADD_FAILURE() << what;
    };
    constexpr int kValues = 1000000;
    for (int i = 0; i < kValues; ++i) {
        const std::uint64_t bits = random();
        const bool single = i % 2 == 1;
        const double value =
            single ? double(bitsAs<float>(std::uint32_t(bits))) : bitsAs<double>(bits);
        const Format format = formats[(bits >> 7) % 3];
        // Fixed texts of large values are long: fewer decimals there.
        const int precision = int((bits >> 11) % (format == Format::fixed ? 12 : 19));
        char mine[512], theirs[512];
        const auto a = fallback::toChars(mine, mine + sizeof mine, value, format, precision);
        const auto b = std::to_chars(theirs, theirs + sizeof theirs, value, format, precision);
        const std::string text(theirs, b.ptr);
        if (std::string(mine, a.ptr) != text)
            report("writing " + text + " gave " + std::string(mine, a.ptr));
        // Read back the text, cut short at a random place now and then.
        const char* end = theirs + (i % 7 == 0 ? (bits >> 17) % (text.size() + 1) : text.size());
        if (single) {
            float x = 1, y = 1;
            const auto r = fallback::fromChars(theirs, end, x);
            const auto s = std::from_chars(theirs, end, y);
            if (r.ptr != s.ptr || r.ec != s.ec ||
                (s.ec == std::errc() && bitsAs<std::uint32_t>(x) != bitsAs<std::uint32_t>(y) &&
                 !(std::isnan(x) && std::isnan(y) && std::signbit(x) == std::signbit(y))))
                report("reading single " + std::string(static_cast<const char*>(theirs), end));
        } else {
            double x = 1, y = 1;
            const auto r = fallback::fromChars(theirs, end, x);
            const auto s = std::from_chars(theirs, end, y);
            if (r.ptr != s.ptr || r.ec != s.ec ||
                (s.ec == std::errc() && bitsAs<std::uint64_t>(x) != bitsAs<std::uint64_t>(y) &&
                 !(std::isnan(x) && std::isnan(y) && std::signbit(x) == std::signbit(y))))
                report("reading double " + std::string(static_cast<const char*>(theirs), end));
        }
    }
    EXPECT_EQ(mismatches, 0) << "out of " << kValues;
}

#endif

INSTANTIATE_TEST_SUITE_P(Portable, Locales, ::testing::Values("C", "de_DE.UTF-8"),
                         [](const auto& info) {
                             return std::string(info.param[0] == 'C' ? "c" : "comma_decimal");
                         });

} // namespace
