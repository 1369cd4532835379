// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Self-checks of the test's own reference (reference.h): its exact decimal
// expansions and its formatting, against values worked out by hand or with
// arbitrary-precision arithmetic outside this project. No library call here.
#include "reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::string exactText(const ref::Exact& x) {
    // digits * 10^exponent10 as a plain decimal string
    std::string d = x.digits;
    if (x.exponent10 >= 0)
        return (x.negative ? "-" : "") + d +
               std::string(static_cast<std::size_t>(x.exponent10), '0');
    const auto frac = static_cast<std::size_t>(-x.exponent10);
    if (d.size() <= frac)
        d.insert(0, frac - d.size() + 1, '0');
    d.insert(d.size() - frac, ".");
    return (x.negative ? "-" : "") + d;
}

struct ExactCase {
    const char* name;
    double value;
    bool isSingle;
    const char* exact;
};

void PrintTo(const ExactCase& c, std::ostream* os) {
    *os << c.name;
}

class ReferenceExactDecimal : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ReferenceExactDecimal, ExpandsExactly) {
    const auto& c = GetParam();
    const std::string got = c.isSingle ? exactText(ref::exactDecimal(static_cast<float>(c.value)))
                                       : exactText(ref::exactDecimal(c.value));
    EXPECT_EQ(got, c.exact);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReferenceExactDecimal,
    ::testing::Values(ExactCase{"single_0_1", 0.1, true, "0.100000001490116119384765625"},
                      ExactCase{"double_0_1", 0.1, false,
                                "0.1000000000000000055511151231257827021181583404541015625"},
                      ExactCase{"single_19_410959", 19.410959, true, "19.4109592437744140625"},
                      ExactCase{"double_2_pow_70", 0x1p70, false, "1180591620717411303424"},
                      ExactCase{"single_max",
                                static_cast<double>(std::numeric_limits<float>::max()), true,
                                "340282346638528859811704183484516925440"},
                      ExactCase{"double_1e23", 1e23, false, "99999999999999991611392"},
                      ExactCase{"single_min_subnormal", 0x1p-149, true,
                                "0."
                                "000000000000000000000000000000000000000000001401298464324817070923"
                                "72958328991613128026194187651577"
                                "175706828388979108268586060148663818836212158203125"},
                      ExactCase{"double_minus_2_5", -2.5, false, "-2.5"},
                      ExactCase{"double_zero", 0.0, false, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReferenceExactDecimal, SmallestDoubleSubnormalHas751Digits) {
    const ref::Exact x = ref::exactDecimal(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(x.digits.size(), 751u);
    EXPECT_EQ(x.digits.substr(0, 20), "49406564584124654417");
    EXPECT_EQ(x.exponent10, -1074);
}

TEST(ReferenceFormat, KnownTexts) {
    EXPECT_EQ(ref::singleText(19.410959f), "19.41096");
    EXPECT_EQ(ref::singleText(56.68f), "56.68");
    EXPECT_EQ(ref::doubleText(1.617534246575342), "1.61753424657534");
    EXPECT_EQ(ref::doubleText(56.9376631546020490), "56.937663154602");
    EXPECT_EQ(ref::doubleText(0.23616), "0.23616");
    EXPECT_EQ(ref::doubleText(-2.5e-7), "-2.5E-07");
    EXPECT_EQ(ref::doubleText(999999999999999.5), "1E+15");
    EXPECT_EQ(ref::singleText(-0.0f), "0");
    EXPECT_EQ(ref::roundToPlaces(0.125f, 2), "0.12");
    EXPECT_EQ(ref::roundToPlaces(0.375f, 2), "0.38");
    EXPECT_EQ(ref::roundToPlaces(-0.004f, 2), "0");
    EXPECT_EQ(ref::roundToPlaces(0.995f, 2), "1");
}

// The platform's libm agrees with the correctly rounded constants; if this
// fails, the library (which may call std::sin / std::tan) cannot reproduce
// the published digits on this machine.
TEST(ReferenceModel, PlatformAngleFunctionsAreCorrectlyRounded) {
    volatile double a = 1.047;
    volatile double b = 0.52359;
    EXPECT_EQ(std::sin(a), ref::kSin1047);
    EXPECT_EQ(std::tan(b), ref::kTan052359);
}

TEST(ReferenceModel, Reproduces146) {
    const ref::Model m = ref::model(146.0f);
    EXPECT_EQ(ref::singleText(m.heightToDisc), "19.41096");
    EXPECT_EQ(m.meshText, "1.61753424657534");
}

} // namespace
