// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Number text: conversions between floats and the texts the user reads and
// types, in the user's locale.
//
// Written texts round the exact binary value (never a shortest decimal form)
// to 7 (single) or 15 (double) significant digits, ties to even, and use
// fixed notation without trailing zeros; very large or very small magnitudes
// use an exponent form, "1.5E+20" or "-2.5E-07". Reading accepts blanks
// around the number, a sign, digits with group separators, the decimal
// separator and an exponent ("1.46E2"); anything else is a type mismatch.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace discone {

// The locale's separators, as UTF-8 text. Nothing here reads a global locale:
// the window passes in the system locale's, tests pass what they need.
struct Separators {
    std::string decimal = ".";
    std::string group = ",";
};

std::string singleText(float value, const Separators& sep);
std::string doubleText(double value, const Separators& sep);

// `value` rounded to `digits` significant digits (1 to 17), written as
// singleText and doubleText write theirs: for measures in messages.
std::string significantText(double value, int digits, const Separators& sep);

// `value` with exactly `decimals` decimals (the exact binary value rounded,
// ties to even), the decimal separator and no digit groups, as the
// prediction's summaries show frequencies and SWR; "inf" for infinity.
std::string fixedText(double value, int decimals, const Separators& sep);

// Throw CalculationError carrying the text: TypeMismatch for a text that is not a number, Overflow
// for a number beyond the type's range. Magnitudes below the smallest
// subnormal read as zero of the same sign.
float readSingle(std::string_view text, const Separators& sep);
double readDouble(std::string_view text, const Separators& sep);

// A value for the model, read strictly: digits with at most one decimal
// separator (the locale's or a point) and an optional exponent, nothing else
// (no blanks, sign or digit groups), and finite; nullopt otherwise. A slip
// such as "1,5" in a locale whose comma groups digits must not quietly mean 15.
std::optional<double> readPlainNumber(std::string_view text, const Separators& sep);

// The double that doubleText(value) reads back as, in any locale: the value
// rounded to 15 significant digits.
double roundToDoubleText(double value);

// The value rounded to `places` decimals (ties to even on the exact binary
// value), stored as a single again and written with singleText.
std::string roundToPlaces(float value, int places, const Separators& sep);

// For people, never in E notation: the exact binary value rounded to at
// most `significantDigits` (1 to 17) significant digits, ties to even, in
// fixed notation however large or small ("100000", "0.000012"), without
// trailing zeros or digit groups, with the locale's decimal separator; "0"
// for zero and negative zero. A value that is not finite is the caller's
// to avoid: it comes out as "inf", "-inf" or "nan".
std::string readableText(double value, int significantDigits, const Separators& sep);

} // namespace discone
