// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The views added beside the SWR chart: the Smith chart's geometry, the
// amateur bands where their frequencies map, the return-loss axis, and the
// charts' numbers in the separators handed in. Expected places follow from
// the reflection coefficient and the axes' definitions, worked by hand.
#include "beamchart.h"
#include "drawingapp.h"
#include "impedancechart.h"
#include "picturefile.h"
#include "smithchart.h"
#include "swrchart.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <complex>

using namespace discone::plot;

namespace {

bool bandShade(QRgb c) {
    return qRed(c) > 245 && qGreen(c) > 230 && qGreen(c) < 248 && qBlue(c) > 185 && qBlue(c) < 215;
}

SwrChart decade() {
    SwrChart chart;
    chart.title = QStringLiteral("bands");
    chart.predicted = {{100, 3}, {1000, 1.2}};
    return chart;
}

} // namespace

class NewCharts : public QObject {
    Q_OBJECT
private slots:
    // Reflection (z - z0) / (z + z0) on a circle of radius 100 at (200, 150),
    // for a reference of 50 and of 75 ohms.
    void smithGeometryPlacesImpedances_data() {
        QTest::addColumn<double>("reference");
        QTest::addColumn<double>("r"); // in units of the reference
        QTest::addColumn<double>("x");
        QTest::addColumn<QPointF>("expected"); // in units of the radius from the centre
        // The reference itself: the centre.
        QTest::newRow("centre 50") << 50.0 << 1.0 << 0.0 << QPointF(0, 0);
        QTest::newRow("centre 75") << 75.0 << 1.0 << 0.0 << QPointF(0, 0);
        // A short: reflection -1, the left edge.
        QTest::newRow("short") << 50.0 << 0.0 << 0.0 << QPointF(-1, 0);
        // SWR 2 on the real axis (2 z0, or z0 / 2): |reflection| 1/3.
        QTest::newRow("SWR 2 high") << 75.0 << 2.0 << 0.0 << QPointF(1.0 / 3, 0);
        QTest::newRow("SWR 2 low") << 50.0 << 0.5 << 0.0 << QPointF(-1.0 / 3, 0);
        // z0 (1 + j): j / (2 + j) = (1 + 2j) / 5, on the r = 1 circle
        // (centre 1/2, radius 1/2), above the axis as inductive.
        QTest::newRow("r=1 inductive") << 50.0 << 1.0 << 1.0 << QPointF(0.2, 0.4);
        QTest::newRow("r=1 capacitive") << 75.0 << 1.0 << -1.0 << QPointF(0.2, -0.4);
        // A pure reactance j z0: reflection j, the top of the rim.
        QTest::newRow("reactance only") << 50.0 << 0.0 << 1.0 << QPointF(0, 1);
    }
    void smithGeometryPlacesImpedances() {
        QFETCH(double, reference);
        QFETCH(double, r);
        QFETCH(double, x);
        QFETCH(QPointF, expected);
        const SmithGeometry g(QPointF(200, 150), 100, reference);
        const QPointF at = g.point({r * reference, x * reference});
        // Up the page is positive reactance.
        QVERIFY(std::abs(at.x() - (200 + 100 * expected.x())) < 1e-9);
        QVERIFY(std::abs(at.y() - (150 - 100 * expected.y())) < 1e-9);
        if (r > 0) {
            const auto back = g.impedanceAt(at);
            QVERIFY(back);
            QVERIFY(std::abs(*back - std::complex<double>(r * reference, x * reference)) < 1e-9);
        }
    }

    // A band's shade lies between the places its edges map to, in every
    // panel, and its name is written; a band off the axis is not.
    void bandsLieWhereTheirFrequenciesMap_data() {
        QTest::addColumn<int>("chart"); // 0 SWR, 1 beam, 2 impedance
        QTest::newRow("SWR") << 0;
        QTest::newRow("beam") << 1;
        QTest::newRow("impedance") << 2;
    }
    void bandsLieWhereTheirFrequenciesMap() {
        QFETCH(int, chart);
        const std::vector<BandMark> bands = {{QStringLiteral("70 cm"), 430, 440},
                                             {QStringLiteral("23 cm"), 1240, 1300}};
        const DrawingApplication application;
        QImage image(960, 600, QImage::Format_RGB32);
        QPainter painter(&image);
        const QRectF area(image.rect());
        // The frequency axis from 100 to 1000 MHz across the first panel.
        QRectF panel;
        if (chart == 0) {
            SwrChart c = decade();
            c.bands = bands;
            panel = drawSwrChart(painter, area, c).swrPanel();
        } else if (chart == 1) {
            BeamChart c;
            c.points = {{100, 0, 2, -5}, {1000, -3, 4, -40}};
            c.bands = bands;
            panel = drawBeamChart(painter, area, c).panel(1);
        } else {
            ImpedanceChart c;
            c.points = {{100, 20, -30}, {1000, 60, 10}};
            c.bands = bands;
            panel = drawImpedanceChart(painter, area, c).panel(0);
        }
        painter.end();
        const auto x = [&](double mhz) {
            return panel.left() + panel.width() * std::log10(mhz / 100);
        };
        const int row = int(panel.bottom()) - 3;
        int inside = 0, outside = 0;
        for (int px = int(panel.left()) + 2; px < int(panel.right()) - 2; ++px) {
            const bool shaded = bandShade(image.pixel(px, row));
            const bool within = px > x(430) + 1 && px < x(440) - 1;
            const bool near = px >= x(430) - 2 && px <= x(440) + 2;
            inside += within && shaded;
            outside += !near && shaded;
        }
        QVERIFY2(inside >= int(x(440) - x(430)) - 4, qPrintable(QString::number(inside)));
        QCOMPARE(outside, 0);
    }

    // Return loss: 0 dB at the top of the panel, growing downwards; SWR 2
    // (a third reflected, 9.54 dB) marked; the axis named with the
    // reference; the numbers with the separators handed in.
    void returnLossAxisGrowsDownwards() {
        SwrChart chart = decade();
        chart.scale = MatchScale::ReturnLoss;
        chart.referenceOhms = 75;
        chart.separators = {",", "."};
        chart.designMHz = 146.5;
        const DrawingApplication application;
        QImage image(960, 600, QImage::Format_RGB32);
        QPainter painter(&image);
        const SwrGeometry g = drawSwrChart(painter, QRectF(image.rect()), chart);
        painter.end();
        const QRectF& panel = g.swrPanel();
        // SWR 1.2 reflects 0.2 / 2.2: 20.83 dB; the axis reaches 25 dB.
        QCOMPARE(g.bottomDb(), 25.0);
        QVERIFY(std::abs(g.ySwr(INFINITY) - panel.top()) < 1e-9);
        QVERIFY(std::abs(g.ySwr(2) - (panel.top() + panel.height() * 9.5424 / 25)) < 0.01);
        QVERIFY(std::abs(returnLossDb(3) - 6.0206) < 1e-4);
        const SwrReading reading = g.readingAt(QPointF(panel.center().x(), panel.bottom()));
        QCOMPARE(int(reading.panel), int(SwrPanel::Swr));
        QVERIFY(std::abs(reading.value - 25) < 1e-9);

        QTemporaryDir dir;
        writeSwrChart(chart, dir.filePath("rl.svg").toStdString());
        QFile file(dir.filePath("rl.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        // (The ohm sign comes in a text of its own, from a fallback font.)
        QVERIFY(svg.contains(QStringLiteral("return loss (dB, 75 ")));
        QVERIFY(svg.contains(QStringLiteral(">SWR 2<")));
        QVERIFY(!svg.contains(QStringLiteral("above")));
        // The sweep's end, 1000, without a digit group; a decimal comma.
        QVERIFY(svg.contains(QStringLiteral(">1000<")));
        QVERIFY(svg.contains(QStringLiteral(">146,5 MHz<")));
    }

    // Each new chart is written as a picture of its size, and refused with
    // nothing to draw, naming the file.
    void writesPictures_data() {
        QTest::addColumn<int>("chart"); // 0 beam, 1 impedance, 2 Smith
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QSize>("size");
        QTest::newRow("beam") << 0 << false << QSize(960, 600);
        QTest::newRow("impedance") << 1 << false << QSize(960, 600);
        QTest::newRow("Smith") << 2 << false << QSize(760, 680);
        QTest::newRow("empty beam") << 0 << true << QSize();
        QTest::newRow("empty Smith") << 2 << true << QSize();
    }
    void writesPictures() {
        QFETCH(int, chart);
        QFETCH(bool, empty);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        const std::string path = dir.filePath("chart.png").toStdString();
        BeamChart beam;
        ImpedanceChart impedance;
        SmithChart smith;
        if (!empty) {
            beam.points = {{100, 0, 2, -5}, {1000, -3, 4, -40}};
            impedance.points = {{100, 20, -30}, {1000, 60, 10}};
            smith.predicted = impedance.points;
        }
        try {
            if (chart == 0)
                writeBeamChart(beam, path);
            else if (chart == 1)
                writeImpedanceChart(impedance, path);
            else
                writeSmithChart(smith, path);
            QVERIFY(!empty);
        } catch (const PlotError& e) {
            QVERIFY2(empty, e.what());
            QVERIFY(QString(e.what()).contains(dir.filePath("chart.png")));
        }
        if (empty)
            QVERIFY(!QFile::exists(dir.filePath("chart.png")));
        else
            QCOMPARE(QImage(dir.filePath("chart.png")).size(), size);
    }
};

QTEST_APPLESS_MAIN(NewCharts)
#include "tst_newcharts.moc"
