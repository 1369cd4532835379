// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program's application object and its one start-up sequence, shared by
// the program, the tests, the screenshot tool and the benchmarks: the
// platform choice, the program's name on the desktop, the classic style,
// faces and palette, and the program icon. When no window can be opened (no
// display, no usable platform plugin) it says so in one line on standard
// error and ends the process with status 1, instead of aborting.
#pragma once

#include <QApplication>

#include <string>
#include <vector>

namespace discone::ui {

// The argument vector the QApplication is made from; it must outlive it, so
// it is a base constructed first.
class ArgumentVector {
protected:
    ArgumentVector(int argc, char** argv, const char* platform);
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
    int count_ = 0;
};

class Application : private ArgumentVector, public QApplication {
public:
    // `platform` forces a platform plugin ("offscreen"); without one, the
    // user's choice (-platform or QT_QPA_PLATFORM) or the program's
    // preference applies.
    Application(int argc, char** argv, const char* platform = nullptr);

    // The arguments Qt did not take as its own options, after the program's
    // name.
    QStringList leftoverArguments() const;
};

} // namespace discone::ui
