// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The user's number separators and ITU region, from Qt's system locale
// (LC_ALL, then LC_NUMERIC, then LANG), for the windows and the command line
// alike. Needs no application object.
#pragma once

#include "numtext.h"
#include "sweepchart.h"

namespace discone::ui {

Separators systemSeparators();

// The ITU region of the locale's country, whose amateur bands the charts
// mark; 0 where the locale names no country.
int systemRegion();

// The charts' reader: the user's separators and region, and the reference.
plot::Reader systemReader(double referenceOhms = 50);

} // namespace discone::ui
