// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime_error.h"

namespace discone {
namespace {

const char* advice(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return "The lowest frequency must be a number of megahertz, such as 146, "
               "without letters or units.";
    case ErrorKind::DivisionByZero:
        return "The lowest frequency must be a number of megahertz other than zero, "
               "such as 146.";
    case ErrorKind::Overflow:
        return "The lowest frequency is too large or too small to calculate with. "
               "Type a number of megahertz such as 146.";
    case ErrorKind::PlatformFailure:
        break;
    }
    return nullptr;
}

} // namespace

const char* kindName(ErrorKind kind) noexcept {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return "Type mismatch";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    case ErrorKind::PlatformFailure:
        break;
    }
    return "Platform failure";
}

RuntimeError makeError(ErrorKind kind) {
    return RuntimeError(kind, kindName(kind));
}

std::string errorMessage(const RuntimeError& error, std::string_view paragraphBreak) {
    const std::string kind = kindName(error.kind());
    if (const char* text = advice(error.kind())) {
        std::string message = kind;
        message.append(paragraphBreak);
        message.append(text);
        message.append(" Type it into the orange box and press a CALCULATE button again.");
        return message;
    }
    // The platform's failures carry their own explanation.
    const std::string message = error.what();
    return message.empty() ? kind : message;
}

} // namespace discone
