// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Shared pieces of the prediction window's tests: a calculation in the main
// window as a user makes it, the prediction window, the texts it shows, and
// how much of the predicted curve its SWR view draws.
#pragma once

#include "predictionwindow.h"
#include "uitest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace discone::test {

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
