// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The model's arithmetic, checked step by step: each helper gives its result
// or throws CalculationError. The checks look at the operands and results
// themselves, never at the floating-point status flags, which not every
// platform has (WebAssembly has none) and which any other code may set.
#pragma once

#include "errors.h"

#include <cmath>

namespace discone::checked {

// A result that is not finite: Overflow. That covers an invalid operation
// too, whose result is NaN.
inline double finite(double result) {
    if (!std::isfinite(result))
        throw CalculationError(ErrorKind::Overflow);
    return result;
}

// The quotient. A zero divisor is DivisionByZero, or Overflow when the
// dividend is zero or NaN too (an invalid operation, not a division by zero).
inline double quotient(double dividend, double divisor) {
    if (divisor == 0)
        throw CalculationError(dividend == 0 || std::isnan(dividend) ? ErrorKind::Overflow
                                                                     : ErrorKind::DivisionByZero);
    return finite(dividend / divisor);
}

// The value stored as a single, rounded to nearest: Overflow when it is not
// finite or rounds beyond the largest single. A value too small for one
// becomes a subnormal or zero, as the store makes it.
inline float single(double value) {
    const float stored = static_cast<float>(value);
    if (!std::isfinite(stored))
        throw CalculationError(ErrorKind::Overflow);
    return stored;
}

} // namespace discone::checked
