// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Shared pieces of the window tests: a main() that runs a Qt Test class under
// the offscreen platform in the C locale with the program's own start-up
// sequence, the running program of the current test, and helpers to find,
// grab and close the windows.
#pragma once

#include "app.h"
#include "program.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <memory>

namespace discone::test {

inline std::unique_ptr<ui::Program>& programSlot() {
    static std::unique_ptr<ui::Program> program;
    return program;
}

// The program the current test drives, started on first use.
inline ui::Program& program() {
    if (!programSlot())
        programSlot() = std::make_unique<ui::Program>();
    return *programSlot();
}

// Ends the running program with its windows and starts a new one, so no
// calculation of an earlier test reaches this one.
inline ui::Program& newProgram() {
    programSlot().reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return program();
}

// Window pixels of a rectangle given in twips.
inline QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

template <class T = QWidget> T* child(QWidget* window, const QString& name) {
    return window == nullptr ? nullptr : window->findChild<T*>(name);
}

inline QImage grabImage(QWidget* window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Closes every window and lets the closed ones delete themselves.
inline void closeAllWindows() {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline QWidget* freshWindow(ui::WindowKind kind) {
    if (QWidget* open = test::program().openWindow(kind)) {
        open->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return test::program().showWindow(kind);
}

} // namespace discone::test

#define DISCONE_UI_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char** argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        qputenv("LC_ALL", "C");                                                                    \
        discone::ui::Application app(argc, argv, "offscreen");                                     \
        TestClass test;                                                                            \
        const int status = QTest::qExec(&test, argc, argv);                                        \
        discone::test::programSlot().reset();                                                      \
        return status;                                                                             \
    }
