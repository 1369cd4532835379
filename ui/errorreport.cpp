// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorreport.h"

#include "look.h"

#include <QApplication>
#include <QMessageBox>

namespace discone::ui {
namespace {

FailureReporter& customReporter() {
    static FailureReporter reporter;
    return reporter;
}

struct Wording {
    FailureKind kind;
    const char* title;
    const char* advice;
};

// What the window tells of each kind of failed calculation: its name, then,
// after a blank line, what to do about it.
constexpr Wording kWordings[] = {
    {FailureKind::TypeMismatch, "Type mismatch",
     "The lowest frequency must be a number of megahertz, such as 146, without letters or "
     "units."},
    {FailureKind::Overflow, "Overflow",
     "The lowest frequency is too large or too small to calculate with. Type a number of "
     "megahertz such as 146."},
    {FailureKind::DivisionByZero, "Division by zero",
     "The lowest frequency must be a number of megahertz other than zero, such as 146."},
};

FailureKind kindOf(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return FailureKind::TypeMismatch;
    case ErrorKind::Overflow:
        return FailureKind::Overflow;
    case ErrorKind::DivisionByZero:
        return FailureKind::DivisionByZero;
    }
    return FailureKind::Overflow;
}

} // namespace

Failure failureOf(const CalculationError& error) {
    const FailureKind kind = kindOf(error.kind());
    for (const Wording& wording : kWordings) {
        if (wording.kind == kind)
            return {kind, QStringLiteral("%1\n\n%2 Type it into the orange box and press a "
                                         "CALCULATE button again.")
                              .arg(QLatin1String(wording.title), QLatin1String(wording.advice))};
    }
    return {kind, QString::fromUtf8(error.what())};
}

Failure failureOf(const PlatformFailure& error) {
    return {FailureKind::Platform, QString::fromUtf8(error.what())};
}

void setFailureReporter(FailureReporter reporter) {
    customReporter() = std::move(reporter);
}

void reportFailure(const Failure& failure) {
    if (customReporter()) {
        customReporter()(failure);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("DISCONE"), failure.message,
                    QMessageBox::Ok, QApplication::activeWindow());
    // The face of the windows, not the desktop's.
    box.setFont(classicFont({}));
    box.exec();
}

} // namespace discone::ui
