// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The SWR chart: its files, drawn with no application object and no
// display, what they show, what happens when they cannot be written, and
// reading values back from the drawing.
#include "drawingapp.h"
#include "fullfs.h"
#include "picturefile.h"
#include "savefile.h"
#include "swrchart.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace discone::plot;

namespace {

// SWR 3 from 100 to 200 MHz, 1 above, up to 1000 MHz: a step the picture
// must show.
SwrChart stepChart() {
    SwrChart chart;
    chart.title = QStringLiteral("Discone for 100 MHz");
    chart.designMHz = 100;
    for (int i = 0; i <= 20; ++i) {
        const double f = 100 * std::pow(10.0, i / 20.0);
        chart.predicted.push_back({f, f < 200 ? 3.0 : 1.0});
    }
    return chart;
}

// `swr` at each of `mhz`, in order.
std::vector<SwrPoint> curve(const std::vector<double>& mhz, const std::vector<double>& swr) {
    std::vector<SwrPoint> points;
    for (std::size_t i = 0; i < mhz.size(); ++i)
        points.push_back({mhz[i], swr[i]});
    return points;
}

bool bluish(QRgb c) {
    return qBlue(c) > 120 && qRed(c) < 100 && qGreen(c) < 120;
}

bool orange(QRgb c) {
    return qRed(c) > 180 && qGreen(c) > 70 && qGreen(c) < 150 && qBlue(c) < 60;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList everything(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// What the process wrote to standard error, at the descriptor, while
// `work` ran.
QByteArray standardErrorOf(const std::function<void()>& work) {
    QTemporaryFile capture;
    if (!capture.open())
        return "cannot capture standard error";
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(capture.handle(), STDERR_FILENO);
    work();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    capture.seek(0);
    return capture.readAll();
}

} // namespace

Q_DECLARE_METATYPE(discone::plot::SwrChart)

class SwrPlot : public QObject {
    Q_OBJECT
private slots:
    // The suffix, in any case, chooses the format; one file is written.
    void writesTheFormatOfTheName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("png") << "swr.png" << QByteArray("\x89PNG\r\n");
        QTest::newRow("SVG") << "swr.SVG" << QByteArray("<?xml");
        QTest::newRow("Png") << "swr.Png" << QByteArray("\x89PNG\r\n");
    }
    void writesTheFormatOfTheName() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QTemporaryDir dir;
        writeSwrChart(stepChart(), dir.filePath(name).toStdString());
        QVERIFY(!QCoreApplication::instance());
        QVERIFY(contents(dir.filePath(name)).startsWith(start));
        QCOMPARE(everything(dir.path()), QStringList{name});
    }

    // The curve is high (SWR 3) on the left of the picture and low (SWR 1,
    // the bottom) on the right.
    void curveIsWhereTheSweepPutsIt() {
        QTemporaryDir dir;
        writeSwrChart(stepChart(), dir.filePath("swr.png").toStdString());
        const QImage image(dir.filePath("swr.png"));
        QVERIFY(!image.isNull());
        int highLeft = 0, lowRight = 0;
        for (int y = 0; y < image.height(); ++y) {
            highLeft += y < image.height() / 2 && bluish(image.pixel(image.width() / 5, y));
            lowRight += y > image.height() / 2 && bluish(image.pixel(image.width() * 4 / 5, y));
        }
        QVERIFY(highLeft > 0);
        QVERIFY(lowRight > 0);
    }

    // The SVG's texts: the title, the note where the SWR leaves the top of
    // the axis, the sweep's ends on the frequency axis with no label
    // crowding them, and the legend and gain panel only when there is
    // something to tell apart.
    void showsWhatTheChartHolds_data() {
        QTest::addColumn<SwrChart>("chart");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("notShown");
        const SwrChart step = stepChart();
        QTest::newRow("within the axis")
            << step << QStringList{"Discone for 100 MHz", ">100<", ">1000<", ">200<", ">500<"}
            << QStringList{"above", "measured", "gain at the horizon"};
        SwrChart high = step;
        high.predicted =
            curve({100, 120, 150, 180, 200, 300, 400, 500, 700, 1000},
                  {3, 4, 12, 40, 11, 2, std::numeric_limits<double>::infinity(), 2, 1.5, 1.2});
        QTest::newRow("above the top")
            << high << QStringList{"SWR above 10 from 150 to 200 MHz and at 400 MHz"}
            << QStringList{"predicted"};
        SwrChart ends = step;
        ends.predicted = curve({146, 400, 1460}, {3.4, 1.5, 1.2});
        QTest::newRow("odd ends") << ends << QStringList{">146<", ">1460<", ">200<", ">1000<"}
                                  << QStringList{};
        ends.predicted = curve({97, 400, 1030}, {3.4, 1.5, 1.2});
        QTest::newRow("ends beside ticks")
            << ends << QStringList{">97<", ">1030<", ">200<"} << QStringList{">100<", ">1000<"};
        SwrChart measured = step;
        measured.measured = curve({100, 300, 1000}, {2.5, 1.4, 1.1});
        QTest::newRow("measured") << measured << QStringList{">predicted<", ">measured<"}
                                  << QStringList{"gain at the horizon"};
        SwrChart gain = step;
        gain.horizonGain = {{100, 1.5}, {300, 2}, {1000, -4}};
        QTest::newRow("gain") << gain << QStringList{"gain at the horizon", ">gain (dBi)<"}
                              << QStringList{"measured"};
    }
    void showsWhatTheChartHolds() {
        QFETCH(SwrChart, chart);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, notShown);
        QTemporaryDir dir;
        writeSwrChart(chart, dir.filePath("swr.svg").toStdString());
        const QString svg = QString::fromUtf8(contents(dir.filePath("swr.svg")));
        for (const QString& text : shown)
            QVERIFY2(svg.contains(text), qPrintable(text));
        for (const QString& text : notShown)
            QVERIFY2(!svg.contains(text), qPrintable(text));
    }

    // QSvgGenerator writes no clip paths, yet drawn, the SVG shows no curve
    // above the marks over the top edge, nor beyond the sweep's ends.
    void svgKeepsTheCurvesInTheirPanel() {
        const double inf = std::numeric_limits<double>::infinity();
        SwrChart chart = stepChart();
        chart.predicted = curve({100, 150, 200, 300, 1000}, {3, 40, inf, 2, 1.2});
        chart.measured = curve({80, 150, 400, 1300}, {2, 30, 1.5, 1.3});
        const DrawingApplication application;
        const QRectF area(0, 0, 960, 600);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setViewBox(area);
        QPainter painter(&generator);
        const QRectF panel = drawSwrChart(painter, area, chart).swrPanel();
        painter.end();
        QImage image(area.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        painter.begin(&image);
        QSvgRenderer(buffer.data()).render(&painter, area);
        painter.end();
        int curves = 0, astray = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (!bluish(c) && !orange(c))
                    continue;
                ++curves;
                astray += y < panel.top() - 20 || x < panel.left() - 3 || x > panel.right() + 3;
            }
        QVERIFY(curves > 500);
        QCOMPARE(astray, 0);
    }

    // Refusals, before any work and when writing, are one line naming the
    // file, and leave no file behind.
    void refusesWhatItCannotWrite_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("empty");
        QTest::newRow("folder in the way") << "taken.png" << false;
        QTest::newRow("missing folder") << "missing/swr.png" << false;
        QTest::newRow("not a picture") << "swr.pdf" << false;
        QTest::newRow("suffix alone") << "swr.svg.txt" << false;
        QTest::newRow("nothing to draw") << "swr.svg" << true;
    }
    void refusesWhatItCannotWrite() {
        QFETCH(QString, name);
        QFETCH(bool, empty);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("taken.png");
        const std::string path = dir.filePath(name).toStdString();
        std::vector<std::function<void()>> attempts = {
            [&] { writeSwrChart(empty ? SwrChart{} : stepChart(), path); }};
        if (!empty)
            attempts.push_back([&] { checkPictureName(path); });
        for (const auto& attempt : attempts) {
            try {
                attempt();
                QFAIL("no refusal");
            } catch (const PlotError& e) {
                QVERIFY2(!QString(e.what()).contains('\n'), e.what());
                QVERIFY2(QString(e.what()).contains(QString::fromStdString(path)), e.what());
            }
        }
        QCOMPARE(everything(dir.path()), QStringList{"taken.png"});
    }

    // On a full disk the old picture stays as it was, the error is one
    // line, no temporary file is left and nothing else reaches standard
    // error (neither Qt nor libpng).
    void fullDiskKeepsTheOldPicture_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("svg") << "swr.svg";
        QTest::newRow("png") << "swr.png";
    }
    void fullDiskKeepsTheOldPicture() {
        QFETCH(QString, name);
        discone::test::FullFileSystem disk;
        if (!disk.available())
            QSKIP("a tmpfs cannot be mounted here (needs root)");
        const std::string target = disk.path() + "/" + name.toStdString();
        discone::saveFile(target, "old picture");
        const int filler = ::open((disk.path() + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
        QVERIFY(filler >= 0);
        const std::string block(4096, 'x');
        while (::write(filler, block.data(), block.size()) > 0) {
        }
        ::close(filler);
        QString message;
        const QByteArray err = standardErrorOf([&] {
            try {
                writeSwrChart(stepChart(), target);
            } catch (const PlotError& e) {
                message = e.what();
            }
        });
        QCOMPARE(message,
                 "cannot write " + QString::fromStdString(target) + ": No space left on device");
        QCOMPARE(err, QByteArray());
        QCOMPARE(contents(QString::fromStdString(target)), QByteArray("old picture"));
        QCOMPARE(everything(QString::fromStdString(disk.path())), (QStringList{"filler", name}));
    }

    // A point of the drawing reads back as the panel, frequency and value
    // the axes put there.
    void readsValuesBack_data() {
        QTest::addColumn<int>("corner"); // 0 bottom left, 1 top right
        QTest::addColumn<int>("panel");
        QTest::addColumn<double>("mhz");
        QTest::addColumn<double>("value");
        QTest::newRow("SWR bottom left") << 0 << int(SwrPanel::Swr) << 100.0 << 1.0;
        QTest::newRow("SWR top right") << 1 << int(SwrPanel::Swr) << 1000.0 << 5.0;
        QTest::newRow("gain bottom left") << 0 << int(SwrPanel::Gain) << 100.0 << -10.0;
        QTest::newRow("gain top right") << 1 << int(SwrPanel::Gain) << 1000.0 << 0.0;
        QTest::newRow("outside") << 0 << int(SwrPanel::None) << 0.0 << 0.0;
    }
    void readsValuesBack() {
        QFETCH(int, corner);
        QFETCH(int, panel);
        QFETCH(double, mhz);
        QFETCH(double, value);
        SwrChart chart = stepChart();               // SWR up to 3: the axis reaches 5
        chart.horizonGain = {{100, 0}, {1000, -9}}; // 0 down to -10 in steps of 2
        const DrawingApplication application;
        QImage image(800, 500, QImage::Format_RGB32);
        QPainter painter(&image);
        const SwrGeometry g = drawSwrChart(painter, QRectF(0, 0, 800, 500), chart);
        const QRectF box = SwrPanel(panel) == SwrPanel::Gain ? g.gainPanel() : g.swrPanel();
        const QPointF at = SwrPanel(panel) == SwrPanel::None ? QPointF(1, 1)
                           : corner == 0                     ? box.bottomLeft()
                                                             : box.topRight();
        const SwrReading reading = g.readingAt(at);
        QCOMPARE(int(reading.panel), panel);
        if (reading.panel == SwrPanel::None)
            return;
        QVERIFY2(std::abs(reading.frequencyMHz / mhz - 1) < 1e-6,
                 qPrintable(QString::number(reading.frequencyMHz)));
        QVERIFY2(std::abs(reading.value - value) < 1e-6,
                 qPrintable(QString::number(reading.value)));
    }
};

QTEST_APPLESS_MAIN(SwrPlot)
#include "tst_swrplot.moc"
