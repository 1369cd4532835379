// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The chart views' read-out: it reads the curves in the pointer's column,
// whatever the pointer's height, interpolated between computed points as
// the line is drawn; the arrow keys step through the computed points; each
// reading is sent to the window. Expected values are worked out by hand
// from the charts' numbers.
#include "beamchart.h"
#include "chartview.h"
#include "drawingapp.h"
#include "separators.h"
#include "swrchart.h"
#include "uitest.h"

#include <QSignalSpy>

#include <cmath>

using namespace discone;

namespace {

// SWR 3 at 100 MHz down to 1 at 1000 MHz, gain 2 down to -1 dBi: a straight
// line on the logarithmic axis through a middle point at 316.2 MHz.
plot::SwrChart chart(bool measured) {
    plot::SwrChart c;
    c.title = QStringLiteral("read-out");
    c.predicted = {{100, 3}, {200, 2.4}, {500, 1.6}, {1000, 1}};
    c.horizonGain = {{100, 2}, {1000, -1}};
    if (measured)
        c.measured = {{100, 2.5}, {1000, 1.5}};
    c.separators = ui::systemSeparators();
    return c;
}

// The geometry the view draws its chart with: the same chart at the same
// size.
template <typename Draw> auto geometryOf(QWidget& view, const Draw& draw) {
    QImage image(view.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    return draw(painter, QRectF(QPointF(0, 0), QSizeF(view.size())));
}

void moveTo(QWidget& view, const QPointF& at) {
    QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &move);
}

} // namespace

class ChartViewTest : public QObject {
    Q_OBJECT
private slots:
    // Three heights in each panel of one column read the same.
    void readsTheCurvesInTheColumn_data() {
        QTest::addColumn<double>("mhz");
        QTest::addColumn<bool>("measured");
        QTest::addColumn<QString>("reading");
        // A computed point: its own values.
        QTest::newRow("computed point")
            << 200.0 << false << "200 MHz: SWR 2.40, 1.1 dBi at the horizon";
        // Between 200 (2.4) and 500 MHz (1.6): at 316.23 MHz, log(316.23 /
        // 200) / log(500 / 200) = 0.5 of the way, SWR 2.0; the gain halfway
        // between 100 and 1000 MHz, 0.5 dBi.
        QTest::newRow("between") << std::sqrt(1e5) << false
                                 << "316.2 MHz: SWR 2.00, 0.5 dBi at the horizon";
        // The measured curve 2.5 to 1.5 over the decade: 2.0 halfway.
        QTest::newRow("measured")
            << std::sqrt(1e5) << true
            << "316.2 MHz: predicted SWR 2.00, measured SWR 2.00, 0.5 dBi at the "
               "horizon";
        // 150 MHz: log(1.5) / log(2) = 0.585 of the way from 3 to 2.4, SWR
        // 2.649; gain 2 - 3 log10(1.5) = 1.472 dBi. SWR to two decimals, gains to
        // one, as the summary writes them.
        QTest::newRow("near the start")
            << 150.0 << false << "150 MHz: SWR 2.65, 1.5 dBi at the horizon";
    }
    void readsTheCurvesInTheColumn() {
        QFETCH(double, mhz);
        QFETCH(bool, measured);
        QFETCH(QString, reading);
        ui::SwrView view;
        view.resize(800, 500);
        view.setChart(chart(measured));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const plot::SwrChart drawn = chart(measured);
        const plot::SwrGeometry g = geometryOf(view, [&](QPainter& p, const QRectF& area) {
            return plot::drawSwrChart(p, area, drawn);
        });
        QSignalSpy spy(&view, &ui::ReadoutView::readingChanged);
        for (const QRectF& panel : {g.swrPanel(), g.gainPanel()})
            for (const double height : {0.05, 0.5, 0.95}) {
                const QPointF at(g.x(mhz), panel.top() + height * panel.height());
                moveTo(view, at);
                QCOMPARE(view.reading(), reading);
                QCOMPARE(view.readingAt(at), reading);
            }
        // Sent once, however often the pointer moved in the column.
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.front().front().toString(), reading);
    }

    // The keys move the cursor along the computed points, 100, 200, 500
    // and 1000 MHz, and send each reading.
    void arrowKeysStepThePoints_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("mhz");
        QTest::newRow("Home") << "Home" << 100.0;
        QTest::newRow("Right starts at the first") << "Right" << 100.0;
        QTest::newRow("Left starts at the last") << "Left" << 1000.0;
        QTest::newRow("Home Right Right") << "Home Right Right" << 500.0;
        QTest::newRow("End Left") << "End Left" << 500.0;
        QTest::newRow("stops at the end") << "End Right" << 1000.0;
        QTest::newRow("stops at the start") << "Home Left" << 100.0;
    }
    void arrowKeysStepThePoints() {
        QFETCH(QString, keys);
        QFETCH(double, mhz);
        ui::SwrView view;
        view.resize(800, 500);
        view.setChart(chart(false));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
        QSignalSpy spy(&view, &ui::ReadoutView::readingChanged);
        const QMap<QString, Qt::Key> names = {{"Home", Qt::Key_Home},
                                              {"End", Qt::Key_End},
                                              {"Left", Qt::Key_Left},
                                              {"Right", Qt::Key_Right}};
        for (const QString& key : keys.split(' '))
            QTest::keyClick(&view, names[key]);
        QVERIFY(view.cursor());
        QCOMPARE(*view.cursor(), mhz);
        QVERIFY2(view.reading().startsWith(QStringLiteral("%1 MHz: SWR ").arg(mhz)),
                 qPrintable(view.reading()));
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.back().front().toString(), view.reading());
    }

    // Between two points where another lobe becomes the strongest, the
    // beam view reads the nearer point's lobe, never an elevation between.
    void beamReadsTheNearerLobeAcrossAJump_data() {
        QTest::addColumn<double>("mhz");
        QTest::addColumn<QString>("reading");
        // 570 and 590 MHz: the geometric middle is 579.7 MHz.
        QTest::newRow("nearer the first") << 572.0
                                          << "572 MHz: 0.5 dBi at the horizon, strongest lobe "
                                             "3.0 dBi at −62°";
        QTest::newRow("nearer the second") << 588.0
                                           << "588 MHz: 0.5 dBi at the horizon, strongest lobe "
                                              "4.0 dBi at 56°";
    }
    void beamReadsTheNearerLobeAcrossAJump() {
        QFETCH(double, mhz);
        QFETCH(QString, reading);
        plot::BeamChart beam;
        beam.points = {{570, 0.5, 3, -62}, {590, 0.5, 4, 56}};
        beam.separators = ui::systemSeparators();
        ui::BeamView view;
        view.resize(800, 500);
        view.setChart(beam);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const auto g = geometryOf(view, [&](QPainter& p, const QRectF& area) {
            return plot::drawBeamChart(p, area, beam);
        });
        moveTo(view, QPointF(g.x(mhz), g.panel(1).center().y()));
        QCOMPARE(view.reading(), reading);
    }

    // The Smith view reads the computed point nearest the pointer.
    void smithReadsTheNearestPoint_data() {
        QTest::addColumn<int>("point");
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<QString>("reading");
        // 25 + j25 against 50 ohms reflects (-1 + 2j) / 5, |0.447|: SWR
        // 1.447 / 0.553 = 2.62.
        QTest::newRow("on the point")
            << 1 << QPointF(0, 0) << "200 MHz: R 25.0 Ω, X 25.0 Ω, SWR 2.62";
        QTest::newRow("beside it")
            << 1 << QPointF(6, -4) << "200 MHz: R 25.0 Ω, X 25.0 Ω, SWR 2.62";
        QTest::newRow("matched") << 0 << QPointF(-5, 5) << "100 MHz: R 50.0 Ω, X 0.0 Ω, SWR 1.00";
    }
    void smithReadsTheNearestPoint() {
        QFETCH(int, point);
        QFETCH(QPointF, offset);
        QFETCH(QString, reading);
        plot::SmithChart smith;
        smith.predicted = {{100, 50, 0}, {200, 25, 25}, {400, 150, -100}};
        smith.separators = ui::systemSeparators();
        ui::SmithView view;
        view.resize(700, 600);
        view.setChart(smith);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const plot::SmithGeometry g = geometryOf(view, [&](QPainter& p, const QRectF& area) {
            return plot::drawSmithChart(p, area, smith);
        });
        const plot::ImpedancePoint& p = smith.predicted[std::size_t(point)];
        moveTo(view, g.point({p.resistance, p.reactance}) + offset);
        QCOMPARE(view.reading(), reading);
    }
};

DISCONE_UI_TEST_MAIN(ChartViewTest)
#include "tst_chartview.moc"
