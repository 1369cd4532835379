// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The dimension model: the stored single values of known frequencies, the
// mesh opening, and the step at which each failure stops the chain.
#include "dimensions.h"
#include "errors.h"
#include "numtext.h"
#include "reference.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

using calctest::kCommaDecimal;
using calctest::kEnglish;
using calctest::Outcome;
using discone::DisconeDimensions;

namespace {

// The mesh opening as the inches command shows it.
std::string meshText(const DisconeDimensions& d, const discone::Separators& sep = kEnglish) {
    return d.MeshSpacing.solid ? std::string("SOLID")
                               : discone::doubleText(d.MeshSpacing.inches, sep);
}

void expectSame(const DisconeDimensions& got, const DisconeDimensions& want) {
    std::ostringstream os;
    os << std::hexfloat << "got:  " << got.LowestFrequency << " " << got.DiscDiameter << " "
       << got.DiscSpacing << " " << got.HeightToDisc << " " << got.SideLength << " "
       << got.MinimumDiameter << " " << got.SkirtDiameter << " " << got.MeshSpacing.inches
       << "\nwant: " << want.LowestFrequency << " " << want.DiscDiameter << " " << want.DiscSpacing
       << " " << want.HeightToDisc << " " << want.SideLength << " " << want.MinimumDiameter << " "
       << want.SkirtDiameter << " " << want.MeshSpacing.inches;
    SCOPED_TRACE(os.str());
    EXPECT_EQ(got, want);
}

// The record the reference model predicts; its mesh number is what the
// reference's 15-digit text of the opening reads back as.
DisconeDimensions expected(const ref::Model& m) {
    return {m.frequency,
            m.discDiameter,
            m.discSpacing,
            m.heightToDisc,
            m.sideLength,
            m.minimumDiameter,
            {ref::parseDouble(ref::doubleText(m.mesh, ".")), m.solid},
            m.skirtDiameter};
}

DisconeDimensions calculate(float f) {
    DisconeDimensions d;
    EXPECT_EQ(calctest::run([&] { d = discone::calculateDimensions(f); }), Outcome::Ok)
        << "f = " << f;
    return d;
}

// -------------------------------------------- Known values of the model

// A printed known value: the stored single must lie within half
// a unit of the last printed digit (where the printed digits identify one
// float, that is the nearest float; where they do not, it is the tolerance).
void expectPrinted(float stored, const char* printed, const char* field) {
    SCOPED_TRACE(field);
    const char* point = std::strchr(printed, '.');
    const int decimals = point ? static_cast<int>(std::strlen(point + 1)) : 0;
    const double halfUnit = 0.5 * std::pow(10.0, -decimals);
    const double value = std::strtod(printed, nullptr);
    EXPECT_LE(std::fabs(static_cast<double>(stored) - value), halfUnit * (1 + 1e-9))
        << "stored " << std::hexfloat << stored << " printed " << printed;
}

struct TableRow {
    const char* name;
    float f;
    const char* height;
    const char* side;
    const char* skirt;
    const char* minimum;
    const char* spacing;
    const char* disc;
    const char* mesh;
};

void PrintTo(const TableRow& c, std::ostream* os) {
    *os << c.name;
}

class KnownValues : public ::testing::TestWithParam<TableRow> {};

TEST_P(KnownValues, StoredValuesMatchTheKnownPrintedValues) {
    const auto& r = GetParam();
    const DisconeDimensions Module1 = calculate(r.f);
    EXPECT_EQ(Module1.LowestFrequency, r.f);
    expectPrinted(Module1.HeightToDisc, r.height, "HeightToDisc");
    expectPrinted(Module1.SideLength, r.side, "SideLength");
    expectPrinted(Module1.SkirtDiameter, r.skirt, "SkirtDiameter");
    expectPrinted(Module1.MinimumDiameter, r.minimum, "MinimumDiameter");
    expectPrinted(Module1.DiscSpacing, r.spacing, "DiscSpacing");
    expectPrinted(Module1.DiscDiameter, r.disc, "DiscDiameter");
    EXPECT_EQ(meshText(Module1), r.mesh);
}

TEST_P(KnownValues, StoredValuesMatchTheReferenceModelExactly) {
    const auto& r = GetParam();
    expectSame(calculate(r.f), expected(ref::model(r.f)));
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, KnownValues,
    ::testing::Values(TableRow{"f146", 146.0f, "19.410959", "22.416403", "22.413391", "0.6724921",
                               "0.2017476", "15.689374", "1.61753424657534"},
                      TableRow{"f50", 50.0f, "56.680000", "65.455894", "65.447098", "1.9636768",
                               "0.5891030", "45.812969", "4.7232"},
                      TableRow{"f2000", 2000.0f, "1.4170001", "1.6363974", "1.6361775", "0.0490919",
                               "0.0147276", "1.1453242", "SOLID"}),
    [](const auto& info) { return std::string(info.param.name); });

// The stored values, bit for bit, from the table's rows worked out
// independently (300-bit sine and tangent, Python's exact arithmetic).
TEST(KnownValues, StoredBitsOf146) {
    const DisconeDimensions Module1 = calculate(146.0f);
    EXPECT_EQ(Module1.HeightToDisc, 0x1.36934ap+4f);
    EXPECT_EQ(Module1.SideLength, 0x1.66a996p+4f);
    EXPECT_EQ(Module1.SkirtDiameter, 0x1.669d40p+4f);
    EXPECT_EQ(Module1.MinimumDiameter, 0x1.5850e2p-1f);
    EXPECT_EQ(Module1.DiscSpacing, 0x1.9d2ddcp-3f);
    EXPECT_EQ(Module1.DiscDiameter, 0x1.f60f5ap+3f);
}

// ---------------------------------------------- Edge cases of the model

struct ModelCase {
    const char* name;
    float f;
    const char* mesh; // the mesh text expected, with "."
};

void PrintTo(const ModelCase& c, std::ostream* os) {
    *os << c.name;
}

class ModelEdge : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ModelEdge, MatchesReference) {
    const auto& c = GetParam();
    const DisconeDimensions d = calculate(c.f);
    EXPECT_EQ(meshText(d), c.mesh);
    expectSame(d, expected(ref::model(c.f)));
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, ModelEdge,
    ::testing::Values(ModelCase{"f1889_keeps_number", 1889.0f, "0.125018528321863"},
                      ModelCase{"f1889_28_solid", 1889.28f, "SOLID"}, // mesh 0.124999998061638
                      ModelCase{"negative_146_solid", -146.0f, "SOLID"},
                      ModelCase{"f50_exact_mesh", 50.0f, "4.7232"},
                      // Just above the step-3 overflow band: everything fits.
                      ModelCase{"band_upper_edge_9_62e_36", 9.62e-36f, "2.45488566415287E+37"},
                      ModelCase{"tiny_9_7e_36", 9.7e-36f, "2.4346391350297E+37"},
                      // Huge frequencies: the mesh text is in exponent form and reads back.
                      ModelCase{"huge_1e30", 1e30f, "SOLID"},
                      ModelCase{"huge_3_4e38", 3.4e38f, "SOLID"},
                      ModelCase{"largest_single", std::numeric_limits<float>::max(), "SOLID"},
                      // Every step is finite: zeros, and no failure.
                      ModelCase{"infinity", std::numeric_limits<float>::infinity(), "SOLID"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModelEdge, NegativeIsMirrorOfPositive) {
    const DisconeDimensions positive = calculate(146.0f);
    const DisconeDimensions Module1 = calculate(-146.0f);
    EXPECT_EQ(Module1.LowestFrequency, -146.0f);
    EXPECT_EQ(Module1.HeightToDisc, -positive.HeightToDisc);
    EXPECT_EQ(Module1.SideLength, -positive.SideLength);
    EXPECT_EQ(Module1.SkirtDiameter, -positive.SkirtDiameter);
    EXPECT_EQ(Module1.MinimumDiameter, -positive.MinimumDiameter);
    EXPECT_EQ(Module1.DiscSpacing, -positive.DiscSpacing);
    EXPECT_EQ(Module1.DiscDiameter, -positive.DiscDiameter);
    EXPECT_TRUE(Module1.MeshSpacing.solid);
}

// The opening is compared with 0.125 as its 15-digit text reads back, so the
// rule cannot depend on the locale the text would be written in.
TEST(ModelEdge, MeshTextUsesTheLocale) {
    EXPECT_EQ(meshText(calculate(146.0f), kCommaDecimal), "1,61753424657534");
    EXPECT_EQ(meshText(calculate(1889.0f), kCommaDecimal), "0,125018528321863");
    EXPECT_EQ(meshText(calculate(1889.28f), kCommaDecimal), "SOLID");
}

// ------------------------------------------------------------- Failures

struct FailureCase {
    const char* name;
    float f;
    Outcome outcome;
    int failingStep; // 2 or 3
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class ModelFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ModelFailure, FailsAtItsStep) {
    const auto& c = GetParam();
    // The case fails where its name says: step 2 cannot store the height,
    // or step 3 stores a finite height but cannot store the side length.
    const float height = static_cast<float>(2834.0 / static_cast<double>(c.f)); // +-inf for 0
    if (c.failingStep == 2) {
        ASSERT_TRUE(std::isinf(height));
    } else {
        ASSERT_TRUE(std::isfinite(height));
        ASSERT_TRUE(std::isinf(static_cast<float>(static_cast<double>(height) / ref::kSin1047)));
    }

    EXPECT_EQ(calctest::run([&] { (void)discone::calculateDimensions(c.f); }), c.outcome);
}

// The step-3 band: 2834/f fits a single but 2834/f/sin(1.047) does not,
// for singles f from about 8.33e-36 to 9.61e-36 (worked out with exact
// arithmetic; 8.32e-36 already fails at step 2 and 9.62e-36 passes).
INSTANTIATE_TEST_SUITE_P(
    NumberText, ModelFailure,
    ::testing::Values(FailureCase{"zero", 0.0f, Outcome::DivisionByZero, 2},
                      FailureCase{"negative_zero", -0.0f, Outcome::DivisionByZero, 2},
                      FailureCase{"step2_1e_37", 1e-37f, Outcome::Overflow, 2},
                      FailureCase{"step2_subnormal", 1e-40f, Outcome::Overflow, 2},
                      FailureCase{"step2_smallest_subnormal",
                                  std::numeric_limits<float>::denorm_min(), Outcome::Overflow, 2},
                      FailureCase{"step2_8_32e_36", 8.32e-36f, Outcome::Overflow, 2},
                      FailureCase{"step2_negative", -8.3e-36f, Outcome::Overflow, 2},
                      FailureCase{"step3_8_33e_36", 8.33e-36f, Outcome::Overflow, 3},
                      FailureCase{"step3_8_34e_36", 8.34e-36f, Outcome::Overflow, 3},
                      FailureCase{"step3_9e_36", 9e-36f, Outcome::Overflow, 3},
                      FailureCase{"step3_9_6e_36", 9.6e-36f, Outcome::Overflow, 3},
                      FailureCase{"step3_9_61e_36", 9.61e-36f, Outcome::Overflow, 3},
                      FailureCase{"step3_negative_9e_36", -9e-36f, Outcome::Overflow, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// Not a frequency at all: no text reads as one, and the first step's result
// is not finite.
TEST(ModelFailure, NotANumberIsOverflow) {
    EXPECT_EQ(calctest::run([] {
                  (void)discone::calculateDimensions(std::numeric_limits<float>::quiet_NaN());
              }),
              Outcome::Overflow);
}

#if defined(FE_DIVBYZERO) // WebAssembly has no status flags to raise
// Flags raised before a calculation (by other code) are not its steps' flags.
TEST(ModelFailure, StaleStatusDoesNotFailACalculation) {
    std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    expectSame(calculate(146.0f), expected(ref::model(146.0f)));
}
#endif

} // namespace
