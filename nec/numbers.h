// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Numbers for other programs: card decks, tables and data files. Always a
// point and no digit groups, whatever the locale, since those programs read
// them that way; texts for people use the calculator's own writer instead.
#pragma once

#include <string>

namespace discone::nec {

// Up to `digits` significant digits in the shortest form ("0.0254", "1e-05").
std::string number(double value, int digits = 9);

// A fixed number of decimals ("146.000"); infinities as "inf" and "-inf",
// which gnuplot and numpy read.
std::string fixed(double value, int decimals);

} // namespace discone::nec
