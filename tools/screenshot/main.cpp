// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Writes a picture of the main window after a calculation, for the README
// and the AppStream metadata: screenshot <file.png> [frequency] [inches|cm]
#include "app.h"
#include "program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file.png> [frequency] [inches|cm]\n", argv[0]);
        return 2;
    }
    discone::ui::Application app(argc, argv, "offscreen");
    discone::ui::Program program;
    QWidget* form1 = program.start();

    const QString frequency = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("146");
    const bool centimetres = argc > 3 && qstrcmp(argv[3], "cm") == 0;
    form1->findChild<QLineEdit*>(QStringLiteral("Text14"))->setText(frequency);
    form1
        ->findChild<QAbstractButton*>(centimetres ? QStringLiteral("Command3")
                                                  : QStringLiteral("Command1"))
        ->click();
    if (!form1->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
