// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The pattern chart: its labels, and a cut drawn reaching furthest where
// its gain is highest, on both sides of the vertical axis.
#include "drawingapp.h"
#include "patternchart.h"
#include "picturefile.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

#include <cmath>

using namespace discone::plot;

namespace {

// 5 dBi at `strongestDeg`, 0.3 dB less for every degree away from it.
PatternCut cut(double mhz, double strongestDeg) {
    PatternCut c{mhz, {}};
    for (int e = -90; e <= 90; e += 2)
        c.points.push_back({double(e), 5 - 0.3 * std::abs(e - strongestDeg)});
    return c;
}

bool bluish(QRgb c) {
    return qBlue(c) > 120 && qRed(c) < 100 && qGreen(c) < 120;
}

// How far from the centre, in pixels, the last bluish pixel lies in the
// direction of `elevationDeg` on the right (or, mirrored, the left).
int reach(const QImage& image, const PatternGeometry& g, double elevationDeg, bool left) {
    const double angle = qDegreesToRadians(elevationDeg);
    const double dx = (left ? -1 : 1) * std::cos(angle), dy = -std::sin(angle);
    int furthest = 0;
    for (int r = 1; r <= g.radius() + 2; ++r) {
        const QPoint at = (g.centre() + QPointF(dx * r, dy * r)).toPoint();
        if (image.rect().contains(at) && bluish(image.pixel(at)))
            furthest = r;
    }
    return furthest;
}

} // namespace

class PatternPlot : public QObject {
    Q_OBJECT
private slots:
    // The horizon and up are named, and the legend gives each frequency.
    void labelsTheChart() {
        PatternChart chart{QStringLiteral("Discone for 146 MHz"),
                           {cut(146, 0), cut(438, 20), cut(1296.5, -30)}};
        QTemporaryDir dir;
        writePatternChart(chart, dir.filePath("pattern.svg").toStdString());
        QFile file(dir.filePath("pattern.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        for (const char* text :
             {"Discone for 146 MHz", ">horizon<", ">up<", ">146 MHz<", ">438 MHz<", ">1296.5 MHz<"})
            QVERIFY2(svg.contains(QLatin1String(text)), text);
    }

    // The drawn cut reaches furthest towards its strongest elevation, and
    // the same distance on the left as on the right.
    void reachesFurthestWhereStrongest_data() {
        QTest::addColumn<double>("strongest");
        QTest::newRow("horizon") << 0.0;
        QTest::newRow("straight up") << 90.0;
        QTest::newRow("straight down") << -90.0;
    }
    void reachesFurthestWhereStrongest() {
        QFETCH(double, strongest);
        const DrawingApplication application;
        QImage image(960, 600, QImage::Format_RGB32);
        QPainter painter(&image);
        const PatternGeometry g = drawPatternChart(painter, QRectF(0, 0, 960, 600),
                                                   PatternChart{"", {cut(146, strongest)}});
        painter.end();
        const int best = reach(image, g, strongest, false);
        QVERIFY2(best > g.radius() * 0.9, qPrintable(QString::number(best)));
        for (const double other : {-90.0, 0.0, 90.0})
            if (other != strongest)
                QVERIFY2(reach(image, g, other, false) < best * 0.8,
                         qPrintable(QString::number(other)));
        for (const double elevation : {-45.0, 0.0, 45.0})
            QVERIFY(std::abs(reach(image, g, elevation, false) -
                             reach(image, g, elevation, true)) <= 2);
    }
};

QTEST_APPLESS_MAIN(PatternPlot)
#include "tst_patternplot.moc"
