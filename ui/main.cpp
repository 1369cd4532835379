// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// discone: when the first argument is one of the command line's options (or
// a plain operand), the command-line calculator, which creates no application
// object and needs no display; otherwise the windows, with Qt's own options
// (-platform, -display, -style, ...) taken by Qt and anything left over a
// usage error. The program ends when its last window closes.
#include "app.h"
#include "cli.h"
#include "commandline.h"
#include "program.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc > 1 && (argv[1][0] != '-' || discone::isCommandLineOption(argv[1])))
        return discone::ui::commandLineMain(argc, argv);

    discone::ui::Application app(argc, argv);
    if (const QStringList leftover = app.leftoverArguments(); !leftover.isEmpty()) {
        std::fprintf(stderr,
                     "discone: unexpected argument %s\n"
                     "Try 'discone --help' for more information.\n",
                     discone::quoted(leftover.first().toStdString()).c_str());
        return discone::kExitUsage;
    }
    discone::ui::Program program;
    program.start();
    return QApplication::exec();
}
