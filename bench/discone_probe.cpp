// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program's own start, as main() does it, reporting its first frame.
#include "app.h"
#include "first_frame.h"
#include "program.h"

int main(int argc, char** argv) {
    discone::ui::Application app(argc, argv);
    discone::ui::Program program;
    new discone::bench::FirstFrameProbe(program.start());
    return QApplication::exec();
}
