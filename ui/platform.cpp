// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QString>

namespace discone::ui {
namespace {

// Qt takes its options with one dash or two.
bool isPlatformOption(const std::string& argument) {
    return argument == "-platform" || argument == "--platform";
}

} // namespace

std::vector<std::string> argumentsWithPlatform(const std::vector<std::string>& arguments) {
    std::vector<std::string> result = arguments;
    if (chosenPlatform(arguments).empty()) {
        result.emplace_back("-platform");
        result.emplace_back(kPreferredPlatforms);
    }
    return result;
}

std::string chosenPlatform(const std::vector<std::string>& arguments) {
    std::string platform;
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (isPlatformOption(arguments[i]))
            platform = arguments[i + 1];
    }
    if (platform.empty())
        platform = qEnvironmentVariable("QT_QPA_PLATFORM").toStdString();
    return platform;
}

} // namespace discone::ui
