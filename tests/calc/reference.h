// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// An independent formulation of the number-text rules and of the model, for
// the tests only. It shares no code with discone_calc: every binary value is
// expanded to its exact decimal digits with a small big integer, rounded as
// text, and formatted by the rules the tests pin:
//
//  - Single text / Double text: the exact binary value rounded to 7 / 15
//    significant digits, ties to even.
//  - Fixed notation when the decimal exponent e of the ROUNDED value
//    (d.ddd x 10^e) satisfies -5 <= e < N (N = 7 single, 15 double), else
//    exponent form: mantissa without trailing zeros, "E", sign, at least two
//    exponent digits ("1E+07", "1.5E+20", "-2.5E-07", "1E+100").
//  - Zero and negative zero are "0"; a magnitude below 1 keeps its "0".
//  - Round to places: the exact value rounded half-even to the places, stored
//    as a single again, written as Single text.
#pragma once

#include "formatter.h" // only Dimension, the key of each text

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace ref {

// Unsigned big integer, base 10^9 limbs, little-endian.
class BigUnsigned {
public:
    explicit BigUnsigned(std::uint64_t value) {
        while (value != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        }
    }

    // factor < 2^31, so limb * factor + carry stays below 2^64.
    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    void multiplyByPowerOfTwo(int n) {
        for (; n >= 30; n -= 30)
            multiply(std::uint32_t{1} << 30);
        if (n > 0)
            multiply(std::uint32_t{1} << n);
    }

    void multiplyByPowerOfFive(int n) {
        for (; n >= 13; n -= 13)
            multiply(1220703125u); // 5^13
        std::uint32_t factor = 1;
        for (; n > 0; --n)
            factor *= 5;
        multiply(factor);
    }

    std::string decimal() const {
        if (limbs_.empty())
            return "0";
        std::string out = std::to_string(limbs_.back());
        for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
            const std::string part = std::to_string(*it);
            out.append(9 - part.size(), '0');
            out += part;
        }
        return out;
    }

private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> limbs_;
};

// value = (negative ? -1 : 1) * digits * 10^exponent10, exactly.
struct Exact {
    bool negative = false;
    std::string digits; // no leading zeros; "0" for zero
    int exponent10 = 0;
};

template <typename F> Exact exactDecimal(F value) {
    Exact out;
    out.negative = std::signbit(value);
    if (value == 0) {
        out.digits = "0";
        return out;
    }
    constexpr int kDigits = std::numeric_limits<F>::digits; // 24 or 53
    int exponent = 0;
    const F fraction = std::frexp(std::fabs(value), &exponent); // [0.5, 1)
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kDigits));
    int binaryExponent = exponent - kDigits; // |value| = mantissa * 2^binaryExponent
    while (mantissa % 2 == 0) {              // the odd mantissa: no trailing zero digits below
        mantissa /= 2;
        ++binaryExponent;
    }
    BigUnsigned big(mantissa);
    if (binaryExponent >= 0) {
        big.multiplyByPowerOfTwo(binaryExponent);
        out.exponent10 = 0;
    } else {
        // m * 2^-k = m * 5^k / 10^k
        big.multiplyByPowerOfFive(-binaryExponent);
        out.exponent10 = binaryExponent;
    }
    out.digits = big.decimal();
    return out;
}

// Half-even decision: should `kept` be incremented given the dropped digits?
inline bool roundsUp(const std::string& kept, const std::string& dropped) {
    if (dropped.empty())
        return false;
    if (dropped[0] > '5')
        return true;
    if (dropped[0] < '5')
        return false;
    if (dropped.find_first_not_of('0', 1) != std::string::npos)
        return true;
    const char last = kept.empty() ? '0' : kept.back();
    return (last - '0') % 2 == 1; // exact tie: to even
}

// Adds one to a decimal digit string; returns true when it grew a digit.
inline bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// A value rounded to significant digits: d.ddd x 10^e.
struct Rounded {
    bool negative = false;
    std::string digits; // first digit nonzero, no trailing zeros; "0" for zero
    int e = 0;
};

inline Rounded roundSignificant(const Exact& x, int n) {
    Rounded r;
    r.negative = x.negative;
    if (x.digits == "0") {
        r.digits = "0";
        return r;
    }
    r.e = static_cast<int>(x.digits.size()) - 1 + x.exponent10;
    std::string kept = x.digits.substr(0, static_cast<std::size_t>(n));
    const std::string dropped = x.digits.size() > static_cast<std::size_t>(n)
                                    ? x.digits.substr(static_cast<std::size_t>(n))
                                    : "";
    if (roundsUp(kept, dropped) && incrementDigits(kept)) {
        ++r.e;
        kept.pop_back(); // the carry left "1000...0"; one digit too many
    }
    const auto last = kept.find_last_not_of('0');
    r.digits = kept.substr(0, last + 1);
    return r;
}

inline std::string formatRounded(const Rounded& r, int n, std::string_view sep) {
    if (r.digits == "0")
        return "0";
    std::string out = r.negative ? "-" : "";
    const std::string& d = r.digits;
    if (r.e >= -5 && r.e < n) {
        if (r.e >= 0) {
            const auto intLen = static_cast<std::size_t>(r.e) + 1;
            std::string intPart = d.substr(0, std::min(intLen, d.size()));
            intPart.append(intLen - intPart.size(), '0');
            out += intPart;
            if (d.size() > intLen) {
                out += sep;
                out += d.substr(intLen);
            }
        } else {
            out += "0";
            out += sep;
            out.append(static_cast<std::size_t>(-r.e - 1), '0');
            out += d;
        }
    } else {
        out += d.substr(0, 1);
        if (d.size() > 1) {
            out += sep;
            out += d.substr(1);
        }
        out += 'E';
        out += r.e < 0 ? '-' : '+';
        std::string exponent = std::to_string(r.e < 0 ? -r.e : r.e);
        if (exponent.size() < 2)
            exponent.insert(exponent.begin(), '0');
        out += exponent;
    }
    return out;
}

inline std::string singleText(float value, std::string_view sep = ".") {
    return formatRounded(roundSignificant(exactDecimal(value), 7), 7, sep);
}

inline std::string doubleText(double value, std::string_view sep = ".") {
    return formatRounded(roundSignificant(exactDecimal(value), 15), 15, sep);
}

// Correctly rounded reading of a plain C-locale decimal text (glibc's strtof /
// strtod are correctly rounded). The test program never calls setlocale, so
// the C locale and its "." are in force.
inline float parseFloat(const std::string& text) {
    errno = 0;
    return std::strtof(text.c_str(), nullptr);
}

inline double parseDouble(const std::string& text) {
    errno = 0;
    return std::strtod(text.c_str(), nullptr);
}

// Replaces every occurrence of `from` with `to`.
inline std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    std::string out;
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string_view::npos;
         at = text.find(from, start)) {
        out.append(text.substr(start, at - start));
        out.append(to);
        start = at + from.size();
    }
    out.append(text.substr(start));
    return out;
}

// The exact value rounded half-even to `places` decimals, as plain text
// "<sign><digits>e-<places>".
inline std::string roundedToPlacesDecimal(float value, int places) {
    const Exact x = exactDecimal(value);
    std::string kept = x.digits;
    int exponent10 = x.exponent10;
    if (exponent10 < -places) {
        const auto drop = static_cast<std::size_t>(-places - exponent10);
        std::string dropped;
        if (kept.size() <= drop) {
            dropped = std::string(drop - kept.size(), '0') + kept;
            kept = "0";
        } else {
            dropped = kept.substr(kept.size() - drop);
            kept.erase(kept.size() - drop);
        }
        if (roundsUp(kept, dropped))
            incrementDigits(kept);
        exponent10 = -places;
    }
    return (x.negative ? "-" : "") + kept + "e" + std::to_string(exponent10);
}

inline std::string roundToPlaces(float value, int places, std::string_view sep = ".") {
    return singleText(parseFloat(roundedToPlacesDecimal(value, places)), sep);
}

// The model, recomputed step by step in double, each dimension
// rounded to single when stored. The two angle functions enter as constants,
// correctly rounded from 300-bit arithmetic (not from this platform's libm).
inline constexpr double kSin1047 = 0x1.bb5abb986f426p-1;   // sin(1.047)
inline constexpr double kTan052359 = 0x1.2798ebbc6f3ccp-1; // tan(0.52359)

struct Model {
    float frequency = 0;
    float heightToDisc = 0;
    float sideLength = 0;
    float skirtDiameter = 0;
    float minimumDiameter = 0;
    float discSpacing = 0;
    float discDiameter = 0;
    double mesh = 0;
    std::string meshText; // number text with "." or "SOLID"
    bool solid = false;
};

// Rounds a step's double result to single when it is stored. Through a
// volatile: GCC 12 at -O2 was seen to merge the steps of this chain (it fed
// the unrounded double of one step into the next), so the rounding must be
// observable.
inline float storeSingle(double value) {
    volatile float stored = static_cast<float>(value);
    return stored;
}

inline Model model(float f) {
    Model m;
    m.frequency = f;
    m.heightToDisc = storeSingle(2834.0 / static_cast<double>(f));
    m.sideLength = storeSingle(static_cast<double>(m.heightToDisc) / kSin1047);
    m.skirtDiameter = storeSingle(static_cast<double>(m.heightToDisc) * kTan052359 * 2.0);
    m.minimumDiameter = storeSingle(static_cast<double>(m.sideLength) * 0.03);
    m.discSpacing = storeSingle(static_cast<double>(m.minimumDiameter) * 0.3);
    m.discDiameter = storeSingle(static_cast<double>(m.skirtDiameter) * 0.7);
    volatile double w = 984.0 / static_cast<double>(f);
    w = w * 0.02;
    w = w * 12.0;
    m.mesh = w;
    m.meshText = doubleText(w, ".");
    if (parseDouble(m.meshText) < 0.125) {
        m.meshText = "SOLID";
        m.solid = true;
    }
    return m;
}

// The seven texts of each unit, in the order each unit forms them.
struct Texts {
    discone::Dimension dimension;
    std::string text;
};

inline std::vector<Texts> inchesTexts(const Model& m, std::string_view sep) {
    return {
        {discone::Dimension::HeightToDisc, singleText(m.heightToDisc, sep)},
        {discone::Dimension::SideLength, singleText(m.sideLength, sep)},
        {discone::Dimension::DiscSpacing, roundToPlaces(m.discSpacing, 2, sep)},
        {discone::Dimension::DiscDiameter, singleText(m.discDiameter, sep)},
        {discone::Dimension::MinimumDiameter, roundToPlaces(m.minimumDiameter, 2, sep)},
        {discone::Dimension::MeshSpacing,
         m.solid ? std::string("SOLID") : replaceAll(m.meshText, ".", sep)},
        {discone::Dimension::SkirtDiameter, singleText(m.skirtDiameter, sep)},
    };
}

inline std::vector<Texts> centimetreTexts(const Model& m, std::string_view sep) {
    auto cm = [&](float inches) { return doubleText(static_cast<double>(inches) * 2.54, sep); };
    return {
        {discone::Dimension::DiscDiameter, cm(m.discDiameter)},
        {discone::Dimension::DiscSpacing, cm(m.discSpacing)},
        {discone::Dimension::SideLength, cm(m.sideLength)},
        {discone::Dimension::MinimumDiameter, cm(m.minimumDiameter)},
        {discone::Dimension::HeightToDisc, cm(m.heightToDisc)},
        {discone::Dimension::MeshSpacing,
         m.solid ? std::string("solid") : doubleText(parseDouble(m.meshText) * 2.54, sep)},
        {discone::Dimension::SkirtDiameter, cm(m.skirtDiameter)},
    };
}

} // namespace ref
