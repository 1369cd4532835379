// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors.h"

namespace discone {

const char* kindName(ErrorKind kind) noexcept {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return "type mismatch";
    case ErrorKind::Overflow:
        return "overflow";
    case ErrorKind::DivisionByZero:
        return "division by zero";
    }
    return "calculation error";
}

} // namespace discone
