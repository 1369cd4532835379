// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Shared pieces of the prediction window's tests: a main() whose settings
// live in a scratch folder, a calculation in the main window as a user
// makes it, the prediction window, the texts it shows, and how much of the
// predicted curve its SWR view draws.
#pragma once

#include "predictionparts.h"
#include "predictionwindow.h"
#include "uitest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace discone::test {

// What the window remembers goes to a folder of this process's own, never
// to the user's settings; set before the application starts.
inline bool useScratchSettings() {
    static QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    return true;
}

// Each test starts from a window that remembers nothing.
inline void forgetSettings() {
    ui::Remembered().remove(QStringLiteral("prediction"));
}

inline void calculate(const QString& mhz, const char* button) {
    QWidget* form = program().showWindow(ui::WindowKind::Form1);
    child<QLineEdit>(form, "Text14")->setText(mhz);
    QTest::mouseClick(child<QPushButton>(form, QLatin1String(button)), Qt::LeftButton);
}

inline ui::PredictionWindow* prediction() {
    return static_cast<ui::PredictionWindow*>(program().showWindow(ui::WindowKind::Prediction));
}

// The text of one of the window's labels.
inline QString shown(const char* name) {
    return child<QLabel>(prediction(), QLatin1String(name))->text();
}

// Pixels of the curve's colour (0, 60, 180) in the SWR view.
inline int curvePixels() {
    const QImage image = grabImage(child(prediction(), "swrView"));
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == QColor(0, 60, 180);
    return count;
}

} // namespace discone::test

#define DISCONE_PREDICTION_TEST_MAIN(TestClass)                                                    \
    static const bool scratchSettings = discone::test::useScratchSettings();                       \
    DISCONE_UI_TEST_MAIN(TestClass)
