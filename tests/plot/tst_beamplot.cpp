// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The beam chart: its curves where the numbers put them, and a chart
// without points drawn as its title alone.
#include "beamchart.h"
#include "drawingapp.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace discone::plot;

namespace {

bool purple(QRgb c) {
    return qRed(c) > 100 && qRed(c) < 160 && qGreen(c) < 80 && qBlue(c) > 140;
}

bool bluish(QRgb c) {
    return qBlue(c) > 120 && qRed(c) < 100 && qGreen(c) < 120;
}

QImage drawn(const BeamChart& chart) {
    const DrawingApplication application;
    QImage image(960, 600, QImage::Format_RGB32);
    QPainter painter(&image);
    drawBeamChart(painter, QRectF(image.rect()), chart);
    return image;
}

// The mean height of the pixels of a colour in a band of columns and rows.
double meanRow(const QImage& image, bool (*colour)(QRgb), int left, int right, int top,
               int bottom) {
    double sum = 0;
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (colour(image.pixel(x, y))) {
                sum += y;
                ++count;
            }
    return count == 0 ? NAN : sum / count;
}

} // namespace

class BeamPlot : public QObject {
    Q_OBJECT
private slots:
    // The beam tilts from the horizon to 60 degrees below it over a decade,
    // its strongest lobe 6 dB above the horizon's gain of 0 dBi: the tilt
    // (lower half) falls from left to right, the two gains (upper half) stay
    // level, the strongest lobe above the horizon's.
    void curvesFollowTheNumbers() {
        BeamChart chart;
        chart.title = QStringLiteral("Discone for 100 MHz");
        chart.designMHz = 100;
        for (int i = 0; i <= 20; ++i)
            chart.points.push_back({100 * std::pow(10.0, i / 20.0), 0, 6, -3.0 * i});
        const QImage image = drawn(chart);
        const int middle = image.height() / 2;
        const double tiltLeft = meanRow(image, purple, 100, 300, middle, image.height());
        const double tiltRight = meanRow(image, purple, 700, 900, middle, image.height());
        QVERIFY2(tiltRight > tiltLeft + 100, qPrintable(QString::number(tiltRight - tiltLeft)));
        const double peakLeft = meanRow(image, purple, 100, 300, 60, middle);
        const double peakRight = meanRow(image, purple, 700, 900, 60, middle);
        const double horizon = meanRow(image, bluish, 100, 900, 60, middle);
        QVERIFY(std::abs(peakLeft - peakRight) < 3);
        QVERIFY(horizon > peakRight + 20);
    }

    void noPointsNoCurves() {
        BeamChart chart;
        chart.title = QStringLiteral("Discone for 100 MHz");
        const QImage image = drawn(chart);
        QVERIFY(std::isnan(meanRow(image, purple, 0, image.width(), 0, image.height())));
        QVERIFY(std::isnan(meanRow(image, bluish, 0, image.width(), 0, image.height())));
    }
};

QTEST_APPLESS_MAIN(BeamPlot)
#include "tst_beamplot.moc"
