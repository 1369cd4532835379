// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The floor for any window with text: a bare Qt window of the main window's
// size showing one label, started and shown the plainest way.
#include "first_frame.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(655, 463);
    QLabel label(QStringLiteral("DISCONE"), &window);
    label.move(8, 8);
    new discone::bench::FirstFrameProbe(&window);
    window.show();
    return app.exec();
}
