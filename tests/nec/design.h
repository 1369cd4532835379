// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The one place the NEC tests and benchmark get a design from the calculator.
#pragma once

#include "dimensions.h"

namespace discone::test {

// The dimensions the calculator gives for a lowest frequency in MHz.
inline DisconeDimensions design(float frequencyMHz) {
    return calculateDimensions(frequencyMHz);
}

} // namespace discone::test
