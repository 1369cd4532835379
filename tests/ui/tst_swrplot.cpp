// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR plot file, drawn with no application object and no display.
#include "swrplot.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <complex>

using discone::nec::Sweep;
using discone::ui::PlotError;
using discone::ui::writeSwrPlot;

namespace {

// SWR 3 from 100 to 150 MHz, 1 above: a step the picture must show.
Sweep stepSweep() {
    Sweep sweep;
    sweep.designMHz = 100;
    for (int i = 0; i <= 20; ++i) {
        const double f = 100 * std::pow(10.0, i / 20.0);
        sweep.points.push_back({f, f < 150 ? 150.0 : 50.0, f < 150 ? 3.0 : 1.0});
    }
    return sweep;
}

bool bluish(QRgb c) {
    return qBlue(c) > 120 && qRed(c) < 100 && qGreen(c) < 120;
}

} // namespace

class SwrPlot : public QObject {
    Q_OBJECT
private slots:
    // PNG and SVG by the name; the PNG's curve is high (SWR 3) on the left of
    // the plot and low (SWR 1, the bottom) on the right.
    void writesBothFormats() {
        QTemporaryDir dir;
        const QString png = dir.filePath("swr.png"), svg = dir.filePath("swr.svg");
        writeSwrPlot(stepSweep(), "Discone for 100 MHz", png);
        writeSwrPlot(stepSweep(), "Discone for 100 MHz", svg);
        QVERIFY(!QCoreApplication::instance());
        const QImage image(png);
        QVERIFY(!image.isNull());
        int highLeft = 0, lowRight = 0;
        for (int y = 0; y < image.height(); ++y) {
            highLeft += y < image.height() / 2 && bluish(image.pixel(image.width() / 5, y));
            lowRight += y > image.height() / 2 && bluish(image.pixel(image.width() * 4 / 5, y));
        }
        QVERIFY(highLeft > 0);
        QVERIFY(lowRight > 0);
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("<?xml"));
        QVERIFY(text.contains("Discone for 100 MHz"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    // Refusals are one line and leave no file behind.
    void refusesWhatItCannotWrite() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("taken.png"); // a folder where the file would go
        const QString names[] = {dir.filePath("taken.png"), dir.filePath("missing/swr.png"),
                                 dir.filePath("swr.pdf")};
        for (const QString& name : names) {
            try {
                writeSwrPlot(stepSweep(), "title", name);
                QFAIL(qPrintable("written: " + name));
            } catch (const PlotError& e) {
                QVERIFY2(!QString(e.what()).contains('\n'), e.what());
            }
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }
};

QTEST_APPLESS_MAIN(SwrPlot)
#include "tst_swrplot.moc"
