// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numtext.h"

#include "errors.h"
#include "portable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace discone {
namespace {

// Digits of a value rounded to a number of significant digits: the digits
// without trailing zeros, and the decimal exponent of the first one.
struct Rounded {
    bool negative = false;
    char digits[24] = {};
    int count = 0;
    int exponent = 0;
};

template <class Float> Rounded roundSignificant(Float value, int significant) {
    // Scientific text rounds the exact binary value, ties to even.
    char buf[48];
    auto res = portable::toChars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                                 significant - 1);
    Rounded r;
    const char* p = buf;
    if (*p == '-') {
        r.negative = true;
        ++p;
    }
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            r.digits[r.count++] = *p;
    }
    while (r.count > 1 && r.digits[r.count - 1] == '0')
        --r.count;
    ++p; // 'e'
    std::from_chars(*p == '+' ? p + 1 : p, res.ptr, r.exponent);
    return r;
}

// The rounded digits in fixed notation, however many zeros that takes.
void appendFixed(std::string& out, const Rounded& r, const Separators& sep) {
    const int e = r.exponent;
    if (e < 0) {
        out += '0';
        out += sep.decimal;
        out.append(static_cast<size_t>(-e - 1), '0');
        out.append(r.digits, static_cast<size_t>(r.count));
        return;
    }
    const int whole = e + 1;
    for (int i = 0; i < whole; ++i)
        out += i < r.count ? r.digits[i] : '0';
    if (r.count > whole) {
        out += sep.decimal;
        out.append(r.digits + whole, static_cast<size_t>(r.count - whole));
    }
}

std::string format(const Rounded& r, int significant, const Separators& sep) {
    std::string out;
    if (r.negative)
        out += '-';
    const int e = r.exponent;
    if (e >= -5 && e < significant) {
        appendFixed(out, r, sep);
        return out;
    }
    out += r.digits[0];
    if (r.count > 1) {
        out += sep.decimal;
        out.append(r.digits + 1, static_cast<size_t>(r.count - 1));
    }
    out += 'E';
    out += e < 0 ? '-' : '+';
    const int magnitude = std::abs(e);
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

std::string nonFiniteText(double value) {
    return std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf";
}

template <class Float> std::string numberText(Float value, int significant, const Separators& sep) {
    if (value == 0)
        return "0"; // negative zero too
    if (!std::isfinite(value))
        return nonFiniteText(value);
    return format(roundSignificant(value, significant), significant, sep);
}

bool startsWith(std::string_view text, size_t at, const std::string& what) {
    return !what.empty() && text.substr(at, what.size()) == what;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Parses the locale's number text into plain "-123.45e6" form, or throws a
// type mismatch. Also estimates the decimal exponent of the leading digit,
// to tell an overflow from an underflow when the value is out of range.
struct Plain {
    std::string text;
    long decimalExponent = 0;
    bool negative = false;
};

Plain toPlain(std::string_view in, const Separators& sep) {
    size_t b = 0, e = in.size();
    while (b < e && isBlank(in[b]))
        ++b;
    while (e > b && isBlank(in[e - 1]))
        --e;
    const std::string_view s = in.substr(b, e - b);

    Plain plain;
    plain.text.reserve(s.size() + 1);
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        plain.negative = s[i] == '-';
        if (plain.negative)
            plain.text += '-';
        ++i;
    }
    long intDigits = 0;    // integer digits after leading zeros
    long leadingZeros = 0; // zeros after the separator before the first non-zero
    bool significant = false, anyDigit = false;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            if (s[i] != '0' || significant) {
                significant = true;
                ++intDigits;
            }
            plain.text += s[i++];
            anyDigit = true;
        } else if (anyDigit && startsWith(s, i, sep.group) && i + sep.group.size() < s.size() &&
                   isDigit(s[i + sep.group.size()])) {
            i += sep.group.size();
        } else {
            break;
        }
    }
    if (startsWith(s, i, sep.decimal)) {
        i += sep.decimal.size();
        plain.text += '.';
        while (i < s.size() && isDigit(s[i])) {
            if (!significant) {
                if (s[i] == '0')
                    ++leadingZeros;
                else
                    significant = true;
            }
            plain.text += s[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        throw CalculationError(ErrorKind::TypeMismatch, std::string(in));
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        plain.text += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            plain.text += s[i++];
        }
        if (i >= s.size() || !isDigit(s[i]))
            throw CalculationError(ErrorKind::TypeMismatch, std::string(in));
        while (i < s.size() && isDigit(s[i])) {
            if (exponent < 100000000)
                exponent = exponent * 10 + (s[i] - '0');
            plain.text += s[i++];
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != s.size())
        throw CalculationError(ErrorKind::TypeMismatch, std::string(in));
    plain.decimalExponent = (intDigits > 0 ? intDigits - 1 : -leadingZeros - 1) + exponent;
    return plain;
}

template <class Float> Float readNumber(std::string_view text, const Separators& sep) {
    const Plain plain = toPlain(text, sep);
    Float value{};
    const char* first = plain.text.data();
    const char* last = first + plain.text.size();
    auto res = portable::fromChars(first, last, value);
    if (res.ec == std::errc::result_out_of_range) {
        if (plain.decimalExponent >= 0)
            throw CalculationError(ErrorKind::Overflow, std::string(text));
        return plain.negative ? -Float(0) : Float(0); // below the smallest subnormal
    }
    if (res.ec != std::errc() || res.ptr != last)
        throw CalculationError(ErrorKind::TypeMismatch, std::string(text));
    if (std::isinf(value))
        throw CalculationError(ErrorKind::Overflow, std::string(text));
    return value;
}

} // namespace

std::string singleText(float value, const Separators& sep) {
    return numberText(value, 7, sep);
}

std::string doubleText(double value, const Separators& sep) {
    return numberText(value, 15, sep);
}

std::string significantText(double value, int digits, const Separators& sep) {
    return numberText(value, std::clamp(digits, 1, 17), sep);
}

std::string fixedText(double value, int decimals, const Separators& sep) {
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char buf[400]; // the largest double in fixed notation
    const auto res =
        portable::toChars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string out(buf, res.ptr);
    if (const auto point = out.find('.'); point != std::string::npos)
        out.replace(point, 1, sep.decimal);
    return out;
}

float readSingle(std::string_view text, const Separators& sep) {
    return readNumber<float>(text, sep);
}

double readDouble(std::string_view text, const Separators& sep) {
    return readNumber<double>(text, sep);
}

std::optional<double> readPlainNumber(std::string_view text, const Separators& sep) {
    // The locale's first decimal separator becomes a point.
    const std::string_view decimal = sep.decimal == "." ? std::string_view() : sep.decimal;
    std::string s;
    bool replaced = false;
    for (std::size_t k = 0; k < text.size();) {
        if (!replaced && !decimal.empty() && text.substr(k, decimal.size()) == decimal) {
            s += '.';
            k += decimal.size();
            replaced = true;
        } else {
            s += text[k++];
        }
    }
    std::size_t i = 0, digits = 0;
    const auto run = [&] {
        std::size_t n = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i, ++n;
        return n;
    };
    digits += run();
    if (i < s.size() && s[i] == '.') {
        ++i;
        digits += run();
    }
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (run() == 0)
            return std::nullopt;
    }
    double value = 0;
    const auto res = portable::fromChars(s.data(), s.data() + i, value);
    if (i != s.size() || res.ptr != s.data() + i || res.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundToDoubleText(double value) {
    char buf[48];
    const auto res =
        portable::toChars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    double rounded = value;
    portable::fromChars(buf, res.ptr, rounded);
    return rounded;
}

std::string roundToPlaces(float value, int places, const Separators& sep) {
    // Fixed notation with `places` decimals rounds the exact binary value,
    // ties to even; the nearest single to that decimal is the result.
    char buf[64];
    auto res = portable::toChars(buf, buf + sizeof buf, static_cast<double>(value),
                                 std::chars_format::fixed, places);
    float rounded = 0;
    portable::fromChars(buf, res.ptr, rounded);
    return singleText(rounded, sep);
}

std::string readableText(double value, int significantDigits, const Separators& sep) {
    if (value == 0)
        return "0"; // negative zero too
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Rounded r = roundSignificant(value, std::clamp(significantDigits, 1, 17));
    std::string out = r.negative ? "-" : "";
    appendFixed(out, r, sep);
    return out;
}

} // namespace discone
