// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program's own start, as main() does it, reporting its first frame.
#include "app.h"
#include "first_frame.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    discone::ui::prepareApplication();
    QWidget* form1 = discone::ui::startProgram();
    new discone::bench::FirstFrameProbe(form1);
    return QApplication::exec();
}
