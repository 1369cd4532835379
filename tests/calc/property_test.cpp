// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Property tests: thousands of random values against the independent
// formulation of reference.h (exact decimal expansion of each binary value,
// rounded as text), far beyond the handful of known results.
//
// The random sequences start from a fixed constant, so every run checks the
// same values and a failure can be reproduced.
#include "dimensions.h"
#include "errors.h"
#include "formatter.h"
#include "numtext.h"
#include "reference.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>

using calctest::kArabic;
using calctest::kCommaDecimal;
using calctest::kEnglish;
using calctest::kFrench;
using calctest::Outcome;
using discone::Separators;

namespace {

constexpr std::uint32_t kRandomStart = 20240611u;
constexpr int kSamples = 20000;
constexpr int kFrequencies = 5000;
constexpr int kMaxReported = 10;

const Separators& separatorsFor(std::uint32_t r) {
    static const Separators* all[] = {&kEnglish, &kCommaDecimal, &kFrench, &kArabic};
    return *all[r % 4];
}

// Counts mismatches and reports the first few in full.
class Mismatches {
public:
    explicit Mismatches(const char* what) : what_(what) {}
    ~Mismatches() {
        EXPECT_EQ(count_, 0) << what_ << ": " << count_ << " mismatches out of " << checked_;
    }
    template <typename T, typename U>
    void check(const T& got, const U& want, const std::string& context) {
        ++checked_;
        if (got == want)
            return;
        if (++count_ <= kMaxReported)
            ADD_FAILURE() << what_ << " " << context << "\n  expected: " << want
                          << "\n  got:      " << got;
    }
    int checked() const { return checked_; }

private:
    const char* what_;
    int count_ = 0;
    int checked_ = 0;
};

std::string hex(double v) {
    std::ostringstream os;
    os << std::hexfloat << v;
    return os.str();
}

// A float with random sign and mantissa and a biased exponent in [lo, hi].
float randomFloat(std::mt19937& gen, std::uint32_t lo, std::uint32_t hi) {
    std::uniform_int_distribution<std::uint32_t> exp(lo, hi);
    const std::uint32_t bits = (gen() & 0x807fffffu) | (exp(gen) << 23);
    return calctest::bitsAs<float>(bits);
}

double randomDouble(std::mt19937_64& gen, std::uint64_t lo, std::uint64_t hi) {
    std::uniform_int_distribution<std::uint64_t> exp(lo, hi);
    const std::uint64_t bits = (gen() & 0x800fffffffffffffull) | (exp(gen) << 52);
    return calctest::bitsAs<double>(bits);
}

// ------------------------------------------------------- Single / Double text

// Magnitudes 2^-17 (7.6e-6) to below 2^24 (1.7e7): the fixed-notation range
// with its borders on both sides.
TEST(SingleTextProperty, FixedNotationRange) {
    std::mt19937 gen(kRandomStart);
    Mismatches m("singleText");
    for (int i = 0; i < kSamples; ++i) {
        const float x = randomFloat(gen, 127 - 17, 127 + 23);
        const Separators& sep = separatorsFor(gen());
        m.check(discone::singleText(x, sep), ref::singleText(x, sep.decimal), hex(x));
    }
}

TEST(SingleTextProperty, AllFiniteValues) {
    std::mt19937 gen(kRandomStart + 1);
    Mismatches m("singleText");
    for (int i = 0; i < kSamples; ++i) {
        const float x = randomFloat(gen, 0, 254); // 0: zero and subnormals
        const Separators& sep = separatorsFor(gen());
        m.check(discone::singleText(x, sep), ref::singleText(x, sep.decimal), hex(x));
    }
}

// Exact ties at the 8th significant digit: integers + 0.5 with 7 digits,
// and multiples of 0.25 with 6 integer digits.
TEST(SingleTextProperty, ExactTies) {
    std::mt19937 gen(kRandomStart + 2);
    std::uniform_int_distribution<int> sevenDigits(1000000, 8388607);
    std::uniform_int_distribution<int> sixDigits(100000, 999999);
    Mismatches m("singleText tie");
    for (int i = 0; i < kSamples / 4; ++i) {
        const float a = static_cast<float>(sevenDigits(gen)) + 0.5f;
        const float b = static_cast<float>(sixDigits(gen)) + ((gen() & 1) ? 0.25f : 0.75f);
        for (float x : {a, -a, b, -b})
            m.check(discone::singleText(x, kEnglish), ref::singleText(x), hex(x));
    }
}

TEST(DoubleTextProperty, FixedNotationRange) {
    std::mt19937_64 gen(kRandomStart);
    Mismatches m("doubleText");
    for (int i = 0; i < kSamples; ++i) {
        const double x = randomDouble(gen, 1023 - 17, 1023 + 50);
        const Separators& sep = separatorsFor(static_cast<std::uint32_t>(gen()));
        m.check(discone::doubleText(x, sep), ref::doubleText(x, sep.decimal), hex(x));
    }
}

TEST(DoubleTextProperty, AllFiniteValues) {
    std::mt19937_64 gen(kRandomStart + 1);
    Mismatches m("doubleText");
    for (int i = 0; i < kSamples; ++i) {
        const double x = randomDouble(gen, 0, 2046);
        const Separators& sep = separatorsFor(static_cast<std::uint32_t>(gen()));
        m.check(discone::doubleText(x, sep), ref::doubleText(x, sep.decimal), hex(x));
    }
}

// Singles widened to double: the centimetre texts of stored dimensions.
TEST(DoubleTextProperty, SinglesTimesTwoPointFiveFour) {
    std::mt19937 gen(kRandomStart + 3);
    Mismatches m("doubleText");
    for (int i = 0; i < kSamples; ++i) {
        const double x = static_cast<double>(randomFloat(gen, 127 - 10, 127 + 16)) * 2.54;
        m.check(discone::doubleText(x, kEnglish), ref::doubleText(x), hex(x));
    }
}

TEST(DoubleTextProperty, ExactTies) {
    std::mt19937_64 gen(kRandomStart + 2);
    std::uniform_int_distribution<std::int64_t> fifteenDigits(100000000000000, 999999999999999);
    std::uniform_int_distribution<std::int64_t> fourteenDigits(10000000000000, 99999999999999);
    Mismatches m("doubleText tie");
    for (int i = 0; i < kSamples / 4; ++i) {
        const double a = static_cast<double>(fifteenDigits(gen)) + 0.5;
        const double b = static_cast<double>(fourteenDigits(gen)) + ((gen() & 1) ? 0.25 : 0.75);
        for (double x : {a, -a, b, -b})
            m.check(discone::doubleText(x, kEnglish), ref::doubleText(x), hex(x));
    }
}

// ------------------------------------------------------------------ Reading

// Texts written by the reference read back as the correctly rounded value of
// that text.
TEST(ReadProperty, WrittenTextsReadBack) {
    std::mt19937_64 gen(kRandomStart + 4);
    Mismatches singles("readSingle(singleText)");
    Mismatches doubles("readDouble(doubleText)");
    for (int i = 0; i < kSamples; ++i) {
        const Separators& sep = separatorsFor(static_cast<std::uint32_t>(gen()));
        const double d = randomDouble(gen, 1, 2046);
        const std::string dText = ref::doubleText(d, sep.decimal);
        double dBack = 0;
        const Outcome dOutcome = calctest::run([&] { dBack = discone::readDouble(dText, sep); });
        doubles.check(dOutcome == Outcome::Ok ? hex(dBack) : "error",
                      hex(ref::parseDouble(ref::replaceAll(dText, sep.decimal, "."))),
                      calctest::visible(dText));

        const float f = calctest::bitsAs<float>(static_cast<std::uint32_t>(gen()) & 0x7f7fffffu);
        const std::string fText = ref::singleText(f, sep.decimal);
        float fBack = 0;
        const Outcome fOutcome = calctest::run([&] { fBack = discone::readSingle(fText, sep); });
        // A 7-digit text near FLT_MAX may round beyond the range.
        const float want = ref::parseFloat(ref::replaceAll(fText, sep.decimal, "."));
        singles.check(
            fOutcome == Outcome::Ok ? hex(fBack)
                                    : (fOutcome == Outcome::Overflow ? "overflow" : "error"),
            std::isinf(want) ? std::string("overflow") : hex(want), calctest::visible(fText));
    }
}

// Random decimal texts: sign, up to 30 digits with group separators, a
// decimal separator, an exponent and blanks; compared with the C library's
// correctly rounded strtof / strtod of the same number in plain form.
TEST(ReadProperty, RandomDecimalTexts) {
    std::mt19937 gen(kRandomStart + 5);
    Mismatches singles("readSingle");
    Mismatches doubles("readDouble");
    for (int i = 0; i < kSamples; ++i) {
        const Separators& sep = separatorsFor(gen());
        std::string plain, text;
        const auto blanks = [&] {
            std::string b;
            for (std::uint32_t n = gen() % 4; n > 0; --n)
                b += (gen() & 1) ? ' ' : '\t';
            return b;
        };
        text += blanks();
        switch (gen() % 3) {
        case 0:
            break;
        case 1:
            plain += '-';
            text += '-';
            break;
        default:
            plain += '+';
            text += '+';
            break;
        }
        const std::uint32_t intDigits = gen() % 20;
        const std::uint32_t fracDigits = (intDigits == 0 ? 1 : 0) + gen() % 20;
        const bool groups = (gen() % 3) == 0;
        for (std::uint32_t k = 0; k < intDigits; ++k) {
            const char digit = static_cast<char>('0' + gen() % 10);
            if (groups && k > 0 && (intDigits - k) % 3 == 0)
                text += sep.group;
            plain += digit;
            text += digit;
        }
        if (fracDigits > 0 || (gen() & 1)) {
            plain += '.';
            text += sep.decimal;
        }
        for (std::uint32_t k = 0; k < fracDigits; ++k) {
            const char digit = static_cast<char>('0' + gen() % 10);
            plain += digit;
            text += digit;
        }
        if (gen() & 1) {
            const int exponent = static_cast<int>(gen() % 700) - 350;
            const std::string e = ((gen() & 1) ? "E" : "e") +
                                  std::string(exponent >= 0 && (gen() & 1) ? "+" : "") +
                                  std::to_string(exponent);
            plain += e;
            text += e;
        }
        text += blanks();
        const std::string context = calctest::visible(text);

        const float wantF = ref::parseFloat(plain);
        float gotF = 0;
        const Outcome outF = calctest::run([&] { gotF = discone::readSingle(text, sep); });
        singles.check(outF == Outcome::Ok ? hex(gotF)
                                          : (outF == Outcome::Overflow ? "overflow" : "error"),
                      std::isinf(wantF) ? std::string("overflow") : hex(wantF), context);

        const double wantD = ref::parseDouble(plain);
        double gotD = 0;
        const Outcome outD = calctest::run([&] { gotD = discone::readDouble(text, sep); });
        doubles.check(outD == Outcome::Ok ? hex(gotD)
                                          : (outD == Outcome::Overflow ? "overflow" : "error"),
                      std::isinf(wantD) ? std::string("overflow") : hex(wantD), context);
    }
}

// ---------------------------------------------------------- Round to places

TEST(RoundToPlacesProperty, TwoPlaces) {
    std::mt19937 gen(kRandomStart + 6);
    Mismatches m("roundToPlaces");
    for (int i = 0; i < kSamples; ++i) {
        const float x = randomFloat(gen, 127 - 20, 127 + 26); // about 1e-6 to 1e8
        const Separators& sep = separatorsFor(gen());
        m.check(discone::roundToPlaces(x, 2, sep), ref::roundToPlaces(x, 2, sep.decimal), hex(x));
    }
}

// Every exact binary tie at the third decimal: n/8 for odd n.
TEST(RoundToPlacesProperty, ExactTies) {
    Mismatches m("roundToPlaces tie");
    for (int n = -8001; n <= 8001; n += 2) {
        const float x = static_cast<float>(n) / 8.0f;
        m.check(discone::roundToPlaces(x, 2, kEnglish), ref::roundToPlaces(x, 2), hex(x));
    }
}

// Other numbers of places: the same rule.
TEST(RoundToPlacesProperty, OtherPlaces) {
    std::mt19937 gen(kRandomStart + 7);
    Mismatches m("roundToPlaces");
    for (int i = 0; i < kSamples / 4; ++i) {
        const float x = randomFloat(gen, 127 - 12, 127 + 12);
        const int places = static_cast<int>(gen() % 5); // 0 to 4
        m.check(discone::roundToPlaces(x, places, kEnglish), ref::roundToPlaces(x, places),
                hex(x) + " places " + std::to_string(places));
    }
}

// ------------------------------------------------------------ The commands

// Frequencies log-uniform from 0.1 to 10,000 MHz, positive and negative,
// typed with 3 to 9 significant digits in a random locale; both commands'
// seven texts against the reference model (model arithmetic in double,
// step by step, in reference.h).
TEST(CommandProperty, RandomFrequencies) {
    std::mt19937 gen(kRandomStart + 8);
    std::uniform_real_distribution<double> logF(std::log(0.1), std::log(10000.0));
    Mismatches inchesM("inches texts");
    Mismatches cmM("centimetre texts");
    int solid = 0;
    for (int i = 0; i < kFrequencies; ++i) {
        const double mhz = std::exp(logF(gen)) * ((gen() & 1) ? -1.0 : 1.0);
        char plain[64];
        std::snprintf(plain, sizeof plain, "%.*g", static_cast<int>(3 + gen() % 7), mhz);
        const float f = ref::parseFloat(plain);
        const Separators& sep = separatorsFor(gen());
        const std::string input = ref::replaceAll(plain, ".", sep.decimal);
        const ref::Model model = ref::model(f);
        solid += model.solid;

        discone::ResultTexts in, cm;
        const Outcome outIn =
            calctest::run([&] { in = discone::resultTexts(discone::Unit::Inches, input, sep); });
        const Outcome outCm = calctest::run(
            [&] { cm = discone::resultTexts(discone::Unit::Centimetres, input, sep); });
        const auto wantIn = ref::inchesTexts(model, sep.decimal);
        const auto wantCm = ref::centimetreTexts(model, sep.decimal);
        // Each text after its dimension's number, in the reference's order;
        // the reference's own texts when there is nothing got.
        const auto join = [](const std::vector<ref::Texts>& want, const discone::ResultTexts* got) {
            std::string s;
            for (const auto& t : want) {
                s += std::to_string(static_cast<int>(t.dimension)) + "=" +
                     (got ? (*got)[t.dimension] : t.text) + " ";
            }
            return s;
        };
        inchesM.check(outIn == Outcome::Ok ? join(wantIn, &in) : "error", join(wantIn, nullptr),
                      calctest::visible(input));
        cmM.check(outCm == Outcome::Ok ? join(wantCm, &cm) : "error", join(wantCm, nullptr),
                  calctest::visible(input));
    }
    // Both kinds of mesh text were exercised.
    EXPECT_GT(solid, kFrequencies / 3);
    EXPECT_LT(solid, kFrequencies * 9 / 10);
}

} // namespace
