// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window's views and what it remembers, against a stand-in
// engine: each view's read-out on its own line and told to screen readers,
// "Save plot…" saving the view shown, the pattern at the frequency clicked,
// the reference and the feed line in the summary, a measurement kept when
// another cannot be read and drawn alone without a prediction, and the
// settings a new window reads back.
#include "chartview.h"
#include "errorreport.h"
#include "fake_engine.h"
#include "predictiontest.h"
#include "touchstone.h"

#include <QAccessible>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace discone;
using discone::test::calculate;
using discone::test::child;
using discone::test::FakeEngine;
using discone::test::prediction;
using discone::test::shown;
using ui::PredictionWindow;
using State = PredictionWindow::State;

namespace {

QString summaryText() {
    return child<QPlainTextEdit>(prediction(), "summary")->toPlainText();
}

// Matched from 100 to 300 MHz.
void writeMeasurement(const QString& path, const QByteArray& bytes = {}) {
    nec::OnePort matched;
    for (double mhz : {100.0, 200.0, 300.0})
        matched.points.push_back({mhz, 0.0});
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes.isEmpty() ? QByteArray::fromStdString(nec::writeTouchstone(matched, {}))
                              : bytes);
}

void showView(const QString& view) {
    auto* views = child<QTabWidget>(prediction(), "views");
    views->setCurrentWidget(child(prediction(), view));
}

} // namespace

class PredictionViewsTest : public QObject {
    Q_OBJECT

    FakeEngine answers_;
    nec::Nec2c missing_{"discone-test-no-such-nec2c"};

private slots:
    void init() {
        test::closeAllWindows();
        test::forgetSettings();
        // 75 ohms everywhere: SWR 1.5 against 50 ohms, 1 against 75.
        answers_.ohms = [](double) { return 75.0; };
        test::newProgram().setEngine(&answers_);
        ui::setFailureReporter([](const ui::Failure& f) { QFAIL(qPrintable(f.message)); });
    }
    void cleanup() {
        test::closeAllWindows();
        ui::setFailureReporter(nullptr);
    }

    void views_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("reading"); // at the first computed point, from Home
        QTest::addColumn<QString>("saved");
        // 146 MHz: SWR 75 / 50 = 1.5; R 75, X 0.
        QTest::newRow("SWR") << "swrView"
                             << "146 MHz: SWR 1.50"
                             << "SWR chart";
        QTest::newRow("impedance") << "impedanceView"
                                   << "146 MHz: R 75.0 Ω, X 0.0 Ω"
                                   << "impedance chart";
        QTest::newRow("Smith") << "smithView"
                               << "146 MHz: R 75.0 Ω, X 0.0 Ω, SWR 1.50"
                               << "Smith chart";
        // The stand-in radiates 0 dBi everywhere (the chart library writes a
        // sign on a gain that rounds to zero, so the sign is left out here).
        QTest::newRow("beam") << "beamView"
                              << "0.0 dBi at the horizon, strongest lobe"
                              << "beam chart";
        // The first direction of the pattern is straight down.
        QTest::newRow("pattern") << "patternView"
                                 << "146 MHz, −90° elevation: 0.0 dBi"
                                 << "elevation pattern";
    }
    // Each view reads its curves on the window's reading line and in its
    // description, and "Save plot…" saves it.
    void views() {
        QFETCH(QString, view);
        QFETCH(QString, reading);
        QFETCH(QString, saved);
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QTRY_COMPARE(window->state(), State::Done);
        showView(view);
        auto* chart = child<ui::ReadoutView>(window, view);
        QTRY_VERIFY(chart->hasChart());
        QVERIFY(chart->isVisible());
        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_Home);
        QVERIFY2(chart->reading().contains(reading), qPrintable(chart->reading()));
        QCOMPARE(shown("reading"), chart->reading());
        QVERIFY(QAccessible::queryAccessibleInterface(chart)
                    ->text(QAccessible::Description)
                    .startsWith(chart->reading() + "; SWR first below 2"));
        QTemporaryDir dir;
        const QString path = dir.filePath("view.png");
        window->savePlot(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(8).startsWith("\x89PNG"));
        QCOMPARE(shown("notice"), QStringLiteral("Saved the %1 as %2").arg(saved, path));
    }

    // A click on the SWR chart, or Enter at its cursor, shows the pattern
    // at that frequency.
    void patternAtTheFrequencyChosen_data() {
        QTest::addColumn<bool>("click");
        QTest::newRow("click") << true;
        QTest::newRow("Enter") << false;
    }
    void patternAtTheFrequencyChosen() {
        QFETCH(bool, click);
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QTRY_COMPARE(window->state(), State::Done);
        auto* swr = child<ui::SwrView>(window, "swrView");
        swr->setFocus();
        QTest::keyClick(swr, Qt::Key_End); // the last point, 1460 MHz
        if (click)
            QTest::mouseClick(swr, Qt::LeftButton, {}, swr->rect().center());
        else
            QTest::keyClick(swr, Qt::Key_Return);
        const QString at = child<QLineEdit>(window, "patternAt")->text();
        if (!click)
            QCOMPARE(at, "1460");
        QCOMPARE(child<QTabWidget>(window, "views")->currentWidget(), child(window, "patternView"));
        auto* pattern = child<ui::PatternView>(window, "patternView");
        QTRY_VERIFY(pattern->hasChart());
        QCOMPARE(pattern->chart().cuts.size(), std::size_t(1));
        QCOMPARE(QString::number(pattern->chart().cuts.front().frequencyMHz), at);
    }

    // Against 75 ohms the stand-in's 75 ohms are matched; 10 m of a lossy
    // cable bring the SWR at the radio below the antenna's 1.5.
    void referenceAndFeedLine_data() {
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("cable"); // index in the list, 0 for none
        QTest::addColumn<QString>("lines");
        QTest::newRow("50 ohms") << 0 << 0 << "lowest SWR 1.500 at 146.000 MHz";
        QTest::newRow("75 ohms") << 1 << 0 << "lowest SWR 1.000 at 146.000 MHz";
        QTest::newRow("feed line")
            << 0 << 3 << "through 10 m of RG-213/U (Belden 8267), at the radio:";
    }
    void referenceAndFeedLine() {
        QFETCH(int, reference);
        QFETCH(int, cable);
        QFETCH(QString, lines);
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QTRY_COMPARE(window->state(), State::Done);
        child<QComboBox>(window, "reference")->setCurrentIndex(reference);
        child<QComboBox>(window, "cable")->setCurrentIndex(cable);
        QTRY_VERIFY2(summaryText().contains(lines), qPrintable(summaryText()));
        QTRY_COMPARE(window->state(), State::Done);
        QCOMPARE(child<ui::SwrView>(window, "swrView")->chart().referenceOhms, reference ? 75 : 50);
        if (cable > 0) {
            const QString radio =
                summaryText().section("radio end: lowest SWR ", 1).section(' ', 0, 0);
            QVERIFY2(radio.toDouble() > 1 && radio.toDouble() < 1.5, qPrintable(radio));
            child(window, "swrView")->setFocus();
            QTest::keyClick(child(window, "swrView"), Qt::Key_Home);
            QVERIFY2(shown("reading").startsWith("146 MHz: antenna SWR 1.50, radio end SWR 1."),
                     qPrintable(shown("reading")));
        }
    }

    // A file that cannot be read keeps the measurement before it, curve and
    // line; without nec2c a measurement is drawn alone.
    void measurementStaysAndStandsAlone_data() {
        QTest::addColumn<bool>("engine");
        QTest::addColumn<QByteArray>("second"); // loaded after a sound one; empty: none
        QTest::newRow("broken after sound") << true << QByteArray("1 2 3 4\n");
        QTest::newRow("without nec2c") << false << QByteArray();
    }
    void measurementStaysAndStandsAlone() {
        QFETCH(bool, engine);
        QFETCH(QByteArray, second);
        if (!engine)
            test::program().setEngine(&missing_);
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QTRY_COMPARE(window->state(), engine ? State::Done : State::Failed);
        QTemporaryDir dir;
        writeMeasurement(dir.filePath("antenna.s1p"));
        window->loadMeasurement(dir.filePath("antenna.s1p"));
        if (!second.isEmpty()) {
            writeMeasurement(dir.filePath("broken.s1p"), second);
            window->loadMeasurement(dir.filePath("broken.s1p"));
            QVERIFY2(shown("notice").contains("broken.s1p"), qPrintable(shown("notice")));
        }
        QVERIFY2(summaryText().contains("measured: antenna.s1p, 3 points from 100 to 300 MHz"),
                 qPrintable(summaryText()));
        auto* swr = child<ui::SwrView>(window, "swrView");
        QVERIFY(swr->hasChart());
        // Matched against 50 ohms: SWR 1 at each point, as measured or alone.
        const std::vector<plot::SwrPoint>& drawn =
            engine ? swr->chart().measured : swr->chart().predicted;
        QCOMPARE(drawn.size(), engine ? std::size_t(2) : std::size_t(3)); // 146 MHz on
        for (const plot::SwrPoint& p : drawn)
            QCOMPARE(p.swr, 1.0);
        if (!engine)
            QVERIFY(swr->chart().title.startsWith("Measured SWR of antenna.s1p"));
    }

    // A new window, in a new program, reads what the old one kept.
    void settingsSurviveARestart_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("wires") << "wires"
                               << "8";
        QTest::newRow("diameter") << "diameter"
                                  << "3.5";
        QTest::newRow("highest") << "highest"
                                 << "900";
        QTest::newRow("points") << "points"
                                << "51";
        QTest::newRow("reference") << "reference"
                                   << "75";
        QTest::newRow("cable") << "cable"
                               << "Aircell 7 (SSB-Electronic)";
        QTest::newRow("length") << "length"
                                << "12.5";
        QTest::newRow("view") << "views"
                              << "Smith chart";
        QTest::newRow("measurement") << "measurement"
                                     << "antenna.s1p";
        QTest::newRow("measurement gone") << "measurement"
                                          << "";
    }
    void settingsSurviveARestart() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QTemporaryDir dir;
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QTRY_COMPARE(window->state(), State::Done);
        child<QComboBox>(window, "cable")->setCurrentIndex(1); // the length's field open
        QWidget* control = child(window, field);
        if (auto* spin = qobject_cast<QSpinBox*>(control))
            spin->setValue(value.toInt());
        else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setText(value);
            emit edit->returnPressed();
        } else if (auto* combo = qobject_cast<QComboBox*>(control))
            combo->setCurrentText(value);
        else if (auto* views = qobject_cast<QTabWidget*>(control))
            views->setCurrentIndex(2);
        else {
            writeMeasurement(dir.filePath("antenna.s1p"));
            window->loadMeasurement(dir.filePath("antenna.s1p"));
            if (value.isEmpty())
                QFile::remove(dir.filePath("antenna.s1p"));
        }
        QTRY_COMPARE(window->state(), State::Done);
        test::closeAllWindows();
        test::newProgram().setEngine(&answers_);
        calculate("146", "Command1");
        window = prediction();
        control = child(window, field);
        if (auto* spin = qobject_cast<QSpinBox*>(control))
            QCOMPARE(spin->value(), value.toInt());
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            QCOMPARE(edit->text(), value);
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            QCOMPARE(combo->currentText(), value);
        else if (auto* views = qobject_cast<QTabWidget*>(control))
            QCOMPARE(views->tabText(views->currentIndex()).remove('&'), value);
        else if (!value.isEmpty())
            QVERIFY(summaryText().contains("measured: antenna.s1p"));
        else
            QVERIFY2(shown("notice").startsWith("The measurement loaded last time cannot be read "
                                                "now: ") &&
                         shown("notice").contains("antenna.s1p"),
                     qPrintable(shown("notice")));
    }
};

DISCONE_PREDICTION_TEST_MAIN(PredictionViewsTest)
#include "tst_prediction_views.moc"
