// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// discone: with no arguments, the main window at start, and the program ends
// when its last window closes; with arguments, the command-line calculator,
// which creates no application object and needs no display.
#include "app.h"
#include "cli.h"
#include "platform.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc > 1)
        return discone::ui::commandLineMain(argc, argv);

    // QApplication keeps the argument vector, so it lives as long as main.
    std::vector<std::string> arguments =
        discone::ui::argumentsWithPlatform(std::vector<std::string>(argv, argv + argc));
    std::vector<char*> qtArgv;
    for (std::string& argument : arguments)
        qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(arguments.size());

    QApplication app(qtArgc, qtArgv.data());
    discone::ui::nameApplication();
    discone::ui::prepareApplication();
    discone::ui::startProgram();
    return QApplication::exec();
}
