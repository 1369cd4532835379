// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorreport.h"

#include "look.h"

#include <QApplication>
#include <QMessageBox>

namespace discone::ui {
namespace {

ErrorReporter& customReporter() {
    static ErrorReporter reporter;
    return reporter;
}

} // namespace

QString runtimeErrorText(const RuntimeError& error) {
    return QString::fromStdString(errorMessage(error));
}

void setErrorReporter(ErrorReporter reporter) {
    customReporter() = std::move(reporter);
}

void reportRuntimeError(const RuntimeError& error) {
    if (customReporter()) {
        customReporter()(error);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("DISCONE"), runtimeErrorText(error),
                    QMessageBox::Ok, QApplication::activeWindow());
    // The face of the windows, not the desktop's.
    box.setFont(classicFont({}));
    box.exec();
}

} // namespace discone::ui
