// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The charts made from a whole prediction: the SWR at the radio beside the
// antenna's where there is a feed line, and the legend that tells the
// curves apart, read back from the SVG picture's text.
#include "picturefile.h"
#include "sweepchart.h"

#include <QTest>

#include <string>

using namespace discone;

namespace {

// Two frequencies; the radio end's SWR is lower, as a lossy line makes it.
study::Prediction prediction(bool feedline, bool measured) {
    study::Prediction p;
    p.title = "Discone for 100 MHz";
    p.sweep.designMHz = 100;
    p.sweep.points = {{100, {75, 0}, 1.5}, {1000, {50, 0}, 1.0}};
    if (feedline) {
        p.plan.feedline = study::Feedline{study::findCable("rg213"), 12.5};
        p.radioEnd.resize(2);
        p.radioEnd[0].frequencyMHz = 100;
        p.radioEnd[0].radioSwr = 1.3;
        p.radioEnd[1].frequencyMHz = 1000;
        p.radioEnd[1].radioSwr = 1.0;
    }
    if (measured)
        p.measured = study::Compared{{}, {{100, 2.0}, {1000, 1.5}}, {}, {}};
    return p;
}

} // namespace

class PredictionCharts : public QObject {
    Q_OBJECT
private slots:
    // The legend's names, in the reader's separators; a measurement with a
    // feed line is taken at the radio, where an analyser meets the cable.
    void radioEndIsNamedInTheLegend_data() {
        QTest::addColumn<bool>("feedline");
        QTest::addColumn<bool>("measured");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("antenna only") << false << false << false << QStringList{}
                                      << QStringList{"at the radio", "measured", "predicted"};
        QTest::newRow("measured") << false << true << false << QStringList{"predicted", "measured"}
                                  << QStringList{"at the radio", "at the antenna"};
        QTest::newRow("feed line, German")
            << true << false << true
            << QStringList{"at the antenna", "at the radio, 12,5 m of RG-213/U"}
            << QStringList{"measured", "Belden"};
        QTest::newRow("feed line and measured")
            << true << true << false
            << QStringList{"at the antenna", "at the radio, 12.5 m of RG-213/U",
                           "measured at the radio"}
            << QStringList{"predicted"};
    }
    void radioEndIsNamedInTheLegend() {
        QFETCH(bool, feedline);
        QFETCH(bool, measured);
        QFETCH(bool, comma);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, absent);
        plot::Reader reader;
        reader.separators = comma ? Separators{",", "."} : Separators{".", ""};
        const plot::SwrChart chart = plot::swrChart(prediction(feedline, measured), reader);
        QCOMPARE(chart.radioEnd.size(), feedline ? 2u : 0u);
        if (feedline)
            QCOMPARE(chart.radioEnd[0].swr, 1.3);
        const QString svg =
            QString::fromStdString(plot::swrChartPicture(chart, "legend.svg")).remove('\n');
        for (const QString& name : shown)
            QVERIFY2(svg.contains(">" + name + "<"), qPrintable(name));
        for (const QString& name : absent)
            QVERIFY2(!svg.contains(name), qPrintable(name));
    }
};

QTEST_APPLESS_MAIN(PredictionCharts)
#include "tst_predictioncharts.moc"
