// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include "portable.h"

#include <charconv>
#include <cmath>

namespace discone::nec {

// C-locale text whatever the locale, unlike printf and iostreams.
std::string number(double value, int digits) {
    char text[64];
    const auto end =
        portable::toChars(text, text + sizeof text, value, std::chars_format::general, digits).ptr;
    return std::string(text, end);
}

std::string fixed(double value, int decimals) {
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char text[400]; // room for the largest double in fixed notation
    const auto end =
        portable::toChars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return std::string(text, end);
}

} // namespace discone::nec
