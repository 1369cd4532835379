// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QGuiApplication>

namespace discone::ui {

std::vector<std::string> argumentsWithPlatform(const std::vector<std::string>& arguments) {
    std::vector<std::string> result = arguments;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        result.emplace_back("-platform");
        result.emplace_back(kPreferredPlatforms);
    }
    return result;
}

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("discone"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DISCONE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("discone"));
}

} // namespace discone::ui
