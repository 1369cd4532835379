// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The user's number separators, from Qt's system locale (LC_ALL, then
// LC_NUMERIC, then LANG), for the window and the command line alike. Needs
// no application object.
#pragma once

#include "numtext.h"

namespace discone::ui {

Separators systemSeparators();

} // namespace discone::ui
