// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window against a stand-in engine: its states, the fields
// read strictly, the tuned design calculated as a user would, the keyboard
// and screen readers, and the buttons' files. No failure may reach a
// message box.
#include "chartview.h"
#include "errorreport.h"
#include "fake_engine.h"
#include "predictiontest.h"
#include "touchstone.h"

#include <QAccessible>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace discone;
using discone::test::calculate;
using discone::test::child;
using discone::test::curvePixels;
using discone::test::FakeEngine;
using discone::test::prediction;
using discone::test::shown;
using ui::PredictionWindow;
using ui::WindowKind;
using State = PredictionWindow::State;

class PredictionTest : public QObject {
    Q_OBJECT

    FakeEngine answers_;
    FakeEngine fails_{FakeEngine::Behaviour::Fail};
    FakeEngine hangs_{FakeEngine::Behaviour::Hang};
    nec::Nec2c missing_{"discone-test-no-such-nec2c"};

private slots:
    void init() {
        test::closeAllWindows();
        test::forgetSettings();
        answers_.ohms = [](double) { return 50.0; };
        test::newProgram().setEngine(&answers_);
        ui::setFailureReporter([](const ui::Failure& f) { QFAIL(qPrintable(f.message)); });
    }
    void cleanup() {
        test::closeAllWindows();
        ui::setFailureReporter(nullptr);
    }

    // Each state is said in the status line and, where no chart is left,
    // in the charts; actions that cannot succeed are disabled and say why;
    // numbers are never in E notation.
    void states_data() {
        QTest::addColumn<int>("engine"); // 0 answers, 1 fails, 2 hangs, 3 missing; -1 no design
        QTest::addColumn<QString>("mhz");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("working"); // progress shown, Cancel enabled
        QTest::newRow("no design")
            << -1 << "146" << false << int(State::NoDesign) << "Calculate a design first" << false;
        QTest::newRow("running") << 2 << "146" << false << int(State::Running) << "Predicting"
                                 << true;
        QTest::newRow("cancelled")
            << 2 << "146" << true << int(State::Cancelled) << "Cancelled" << false;
        QTest::newRow("nec2c missing")
            << 3 << "146" << false << int(State::Failed) << "install the nec2c package" << false;
        QTest::newRow("engine fails")
            << 1 << "146" << false << int(State::Failed) << "the stand-in fails" << false;
        // At 100 GHz 2 mm rods no longer fit round the disc's hub, which the
        // model says in its own words.
        QTest::newRow("refused") << 0 << "100000" << false << int(State::Refused)
                                 << "Not predicted: 16 rods 2 mm across need a hub" << false;
        // With 50 ohms everywhere the SWR is 1 from end to end.
        QTest::newRow("done") << 0 << "146" << false << int(State::Done)
                              << "Predicted for 16 rods of 2 mm at 101 frequencies from 146 to "
                                 "1460 MHz"
                              << false;
    }
    void states() {
        QFETCH(int, engine);
        QFETCH(QString, mhz);
        QFETCH(bool, cancel);
        QFETCH(int, state);
        QFETCH(QString, status);
        QFETCH(bool, working);
        const nec::Engine* engines[] = {&answers_, &fails_, &hangs_, &missing_};
        if (engine >= 0) {
            test::program().setEngine(engines[engine]);
            calculate(mhz, "Command1");
        }
        PredictionWindow* window = prediction();
        if (cancel) {
            QTRY_COMPARE(window->state(), State::Running);
            QTest::mouseClick(child<QPushButton>(window, "cancel"), Qt::LeftButton);
        }
        QTRY_COMPARE(int(window->state()), state);
        QVERIFY2(shown("status").contains(status), qPrintable(shown("status")));
        QVERIFY(!shown("status").contains(u'\n'));
        // Once the sweep is done the tuning runs on, briefly with the stand-in.
        QTRY_COMPARE(child(window, "progress")->isVisible(), working);
        QTRY_COMPARE(child(window, "cancel")->isEnabled(), working);
        QCOMPARE(child(window, "wires")->isEnabled(), engine >= 0);
        const QString summary = child<QPlainTextEdit>(window, "summary")->toPlainText();
        auto* chart = child<ui::ChartView>(window, "swrView");
        const bool done = window->state() == State::Done;
        QCOMPARE(chart->hasChart(), done);
        if (done) {
            QVERIFY(summary.startsWith("SWR first below 2 at 146.000 MHz\n"
                                       "SWR stays below 2 up to 1460.000 MHz\n"
                                       "lowest SWR 1.000 at 146.000 MHz\n"));
            QVERIFY(curvePixels() > 500);
        } else {
            QVERIFY2(chart->placeholder().contains(status.section(' ', 0, 1)),
                     qPrintable(chart->placeholder()));
            QCOMPARE(curvePixels(), 0);
        }
        for (const char* name : {"savePlot", "saveTouchstone", "copyTable"}) {
            auto* b = child<QPushButton>(window, name);
            QCOMPARE(b->isEnabled(), done);
            QVERIFY(!b->toolTip().isEmpty());
            QCOMPARE(b->accessibleDescription(), b->toolTip());
        }
        auto* deck = child<QPushButton>(window, "saveDeck");
        QCOMPARE(deck->isEnabled(), engine >= 0 && window->state() != State::Refused);
        if (!deck->isEnabled())
            QVERIFY2(deck->toolTip().contains(engine < 0 ? "Calculate a design" : "need a hub"),
                     qPrintable(deck->toolTip()));
        QCOMPARE(window->windowTitle(), engine >= 0
                                            ? "Predicted SWR – DISCONE – " + mhz + " MHz, inches"
                                            : "Predicted SWR – DISCONE");
        for (const QString& said :
             {window->windowTitle(), shown("status"), shown("tuning"), summary})
            QVERIFY2(!said.contains("E+"), qPrintable(said));
    }

    void fieldsAreReadStrictly_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QString>("shown"); // the status of the new sweep, or the problem
        QTest::newRow("digit groups")
            << "diameter"
            << "1,5" << false << "Type a number of at least 0.05 mm, such as 2 or 1.5";
        QTest::newRow("unit") << "diameter"
                              << "2mm" << false << "Type a number of at least 0.05 mm";
        QTest::newRow("too thin") << "diameter"
                                  << "0.01" << false << "Type a number of at least 0.05 mm";
        QTest::newRow("decimals") << "diameter"
                                  << "2.5" << true << "16 rods of 2.5 mm";
        QTest::newRow("exponent") << "diameter"
                                  << "25e-1" << true << "16 rods of 2.5 mm";
        QTest::newRow("negative frequency") << "highest"
                                            << "-1000" << false << "Type a frequency above 146 MHz";
        QTest::newRow("design frequency")
            << "highest"
            << "146" << false << "The highest frequency must be above the design frequency 146";
        QTest::newRow("frequency") << "highest"
                                   << "1000" << true << "frequencies from 146 to 1000 MHz";
    }
    void fieldsAreReadStrictly() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, sound);
        QFETCH(QString, shown);
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QTRY_COMPARE(window->state(), State::Done);
        QTRY_VERIFY(!child(window, "cancel")->isEnabled());
        const int runs = answers_.runs;
        auto* edit = child<QLineEdit>(window, field);
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        auto* problem = child<QLabel>(window, field + "Problem");
        if (sound) {
            QTRY_VERIFY(test::shown("status").contains(shown));
            QCOMPARE(window->state(), State::Done);
            QVERIFY(problem->isHidden());
        } else {
            QTRY_VERIFY(problem->isVisible());
            QVERIFY2(problem->text().startsWith(shown), qPrintable(problem->text()));
            QVERIFY(problem->geometry().top() >= edit->geometry().bottom());
            QCOMPARE(edit->accessibleDescription(), problem->text());
            QCOMPARE(answers_.runs, runs);
            QCOMPARE(window->state(), State::Refused);
            QVERIFY(test::shown("status").startsWith("Not predicted: " + problem->text()));
            // The problem goes with its cause.
            edit->selectAll();
            QTest::keyClicks(edit, field == "diameter" ? "2" : "1000");
            QTRY_COMPARE(window->state(), State::Done);
            QVERIFY(problem->isHidden());
            QVERIFY(edit->accessibleDescription().isEmpty());
        }
    }

    // Where the user has typed no diameter, the field shows the rods the
    // design takes; one typed is kept, and refused where it does not fit.
    void diameterFollowsTheDesign_data() {
        QTest::addColumn<QString>("mhz");
        QTest::addColumn<QString>("typed"); // empty: none
        QTest::addColumn<QString>("status");
        QTest::newRow("default fits") << "146"
                                      << ""
                                      << "16 rods of 2 mm";
        // At 1300 MHz the disc is 44.76 mm across: 16 rods three radii
        // apart on a hub of a quarter of it are at most pi 44.76 / 96 =
        // 1.465 mm thick, 1.4 to two digits.
        QTest::newRow("thinner where 2 mm do not fit") << "1300"
                                                       << ""
                                                       << "16 rods of 1.4 mm";
        QTest::newRow("typed is kept") << "1300"
                                       << "2"
                                       << "Not predicted: 16 rods 2 mm across need a hub";
    }
    void diameterFollowsTheDesign() {
        QFETCH(QString, mhz);
        QFETCH(QString, typed);
        QFETCH(QString, status);
        calculate(mhz, "Command1");
        PredictionWindow* window = prediction();
        auto* field = child<QLineEdit>(window, "diameter");
        QTRY_COMPARE(window->state(), State::Done);
        if (!typed.isEmpty()) {
            field->selectAll();
            QTest::keyClicks(field, typed);
        }
        QTRY_VERIFY2(shown("status").contains(status), qPrintable(shown("status")));
        QCOMPARE(field->text(), typed.isEmpty() ? status.section(' ', 3, 3) : typed);
    }

    // The tuned design goes into the input box and is calculated in the unit
    // last used, the window following it; the stand-in's SWR drops below 2
    // at 150 MHz whatever the design.
    void useCalculatesAsTheUserWould_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("closeForm1");
        QTest::newRow("inches") << "Command1" << int(Unit::Inches) << false;
        QTest::newRow("centimetres") << "Command3" << int(Unit::Centimetres) << false;
        QTest::newRow("main window closed") << "Command3" << int(Unit::Centimetres) << true;
    }
    void useCalculatesAsTheUserWould() {
        QFETCH(QString, button);
        QFETCH(int, unit);
        QFETCH(bool, closeForm1);
        answers_.ohms = [](double mhz) { return mhz < 150 ? 150.0 : 50.0; };
        const nec::Tuning expected = nec::tune(146, {}, answers_);
        const Separators sep{".", ","};
        const QString design = QString::fromStdString(singleText(expected.designMHz, sep));

        calculate("146", button.toLatin1());
        PredictionWindow* window = prediction();
        auto* use = child<QPushButton>(window, "use");
        QTRY_VERIFY(use->isEnabled());
        QCOMPARE(shown("tuning"),
                 QStringLiteral("For SWR below 2 from 146 MHz, cut for %1 MHz").arg(design));
        QCOMPARE(use->text(), QStringLiteral("Use %1 MHz").arg(design));
        if (closeForm1) {
            test::program().openWindow(WindowKind::Form1)->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QTest::mouseClick(use, Qt::LeftButton);

        QWidget* form = test::program().openWindow(WindowKind::Form1);
        QVERIFY(form != nullptr && form->isVisible());
        QCOMPARE(child<QLineEdit>(form, "Text14")->text(), design);
        const DisconeDimensions dims = calculateDimensions(readSingle(design.toStdString(), sep));
        QCOMPARE(test::program().Module1, dims);
        const ResultTexts texts = formatDimensions(dims, Unit(unit), sep);
        const std::pair<Dimension, const char*> boxes[] = {
            {Dimension::HeightToDisc, "Text6"},    {Dimension::SideLength, "Text4"},
            {Dimension::DiscSpacing, "Text3"},     {Dimension::DiscDiameter, "Text2"},
            {Dimension::MinimumDiameter, "Text5"}, {Dimension::MeshSpacing, "Text18"},
            {Dimension::SkirtDiameter, "Text7"}};
        for (const auto& [dimension, box] : boxes)
            QCOMPARE(child<QLineEdit>(form, box)->text(), QString::fromStdString(texts[dimension]));
        QVERIFY(window->windowTitle().contains(design + " MHz"));
        QCOMPARE(child<QLineEdit>(window, "highest")->text(),
                 QString::fromStdString(singleText(10 * expected.designMHz, sep)));
        QTRY_COMPARE(window->state(), State::Done);
        // The goal stays the band start typed; the tuned design is not
        // offered for tuning again.
        QTRY_COMPARE(
            shown("tuning"),
            QStringLiteral("Tuned for SWR below 2 from 146 MHz: cut for %1 MHz").arg(design));
        QVERIFY(!use->isEnabled());
        QVERIFY(use->toolTip().contains("already cut for the goal"));
        // Until the user calculates another antenna.
        calculate("200", button.toLatin1());
        QTRY_VERIFY2(shown("tuning").contains("SWR below 2 from 200 MHz"),
                     qPrintable(shown("tuning")));
    }

    // Tab visits every control once in reading order, each with a name for
    // screen readers, and comes back to the first field; Shift+Tab goes the
    // other way. Hidden and disabled controls (the feed line's length without
    // a cable, the pattern's frequency off its tab, Cancel with nothing
    // running) are no stops. The charts are described by the summary.
    void keyboardAndScreenReaders_data() {
        QTest::addColumn<bool>("backwards");
        QTest::newRow("Tab") << false;
        QTest::newRow("Shift+Tab") << true;
    }
    void keyboardAndScreenReaders() {
        QFETCH(bool, backwards);
        answers_.ohms = [](double mhz) { return mhz < 150 ? 150.0 : 50.0; };
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QTRY_VERIFY(child(window, "use")->isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(window));
        child(window, "wires")->setFocus();
        QStringList visited;
        QString again; // the first control visited twice
        for (int i = 0; i < 40 && again.isEmpty(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus != nullptr);
            // The control a part such as a spin box's text belongs to.
            QWidget* control = focus;
            while (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
                control = control->parentWidget();
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            if (visited.contains(control->objectName()))
                again = control->objectName();
            else
                visited << control->objectName();
            QTest::keyClick(focus, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QStringList order = {
            "wires",     "diameter", "highest",        "points",          "reference", "cable",
            "views",     "scale",    "swrView",        "summary",         "use",       "savePlot",
            "saveSheet", "saveDeck", "saveTouchstone", "loadMeasurement", "copyTable"};
        if (backwards)
            std::reverse(order.begin() + 1, order.end());
        QCOMPARE(visited, order);
        QCOMPARE(again, "wires");
        const QString lines =
            child<QPlainTextEdit>(window, "summary")->toPlainText().replace(u'\n', "; ");
        for (const char* chart : {"swrView", "beamView"})
            QCOMPARE(QAccessible::queryAccessibleInterface(child(window, chart))
                         ->text(QAccessible::Description),
                     lines);
    }

    // Enter and Space press the button with the focus; Escape and Ctrl+W
    // close the window from any control.
    void keys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter") << "copyTable" << int(Qt::Key_Return) << 0 << false;
        QTest::newRow("keypad Enter")
            << "copyTable" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
        QTest::newRow("Space") << "copyTable" << int(Qt::Key_Space) << 0 << false;
        QTest::newRow("Escape") << "diameter" << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("Ctrl+W") << "summary" << int(Qt::Key_W) << int(Qt::ControlModifier) << true;
    }
    void keys() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QTRY_COMPARE(window->state(), State::Done);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QGuiApplication::clipboard()->clear();
        child(window, focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test::program().openWindow(WindowKind::Prediction) == nullptr, closes);
        if (!closes)
            QVERIFY(QGuiApplication::clipboard()->text().startsWith("# "));
    }

    void buttonsWriteAndRead_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file"); // in a fresh folder; "missing/" has no folder
        QTest::addColumn<QByteArray>("starts");
        QTest::addColumn<QString>("notice");
        QTest::newRow("PNG plot") << "plot"
                                  << "swr.png" << QByteArray("\x89PNG\r\n") << "Saved";
        QTest::newRow("SVG plot") << "plot"
                                  << "swr.svg" << QByteArray("<?xml") << "Saved";
        QTest::newRow("deck") << "deck"
                              << "discone.nec" << QByteArray("CM discone ") << "Saved";
        QTest::newRow("build sheet") << "sheet"
                                     << "sheet.pdf" << QByteArray("%PDF-") << "Saved";
        QTest::newRow("Touchstone") << "touchstone"
                                    << "discone.s1p" << QByteArray("! discone ") << "Saved";
        QTest::newRow("no folder") << "touchstone"
                                   << "missing/discone.s1p" << QByteArray() << "cannot write";
        QTest::newRow("measurement") << "measure"
                                     << "antenna.s1p" << QByteArray() << "Loaded 3";
        QTest::newRow("not Touchstone") << "measure"
                                        << "antenna.s1p" << QByteArray("1 2 3 4\n") << "line 1";
        QTest::newRow("table") << "copy"
                               << "" << QByteArray("# frequency_mhz\tresistance_ohm\t")
                               << "Copied the table of 101 frequencies";
    }
    void buttonsWriteAndRead() {
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QByteArray, starts);
        QFETCH(QString, notice);
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QTRY_COMPARE(window->state(), State::Done);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        if (action == "measure") {
            // Matched from 100 to 300 MHz, or the bytes given.
            nec::OnePort matched;
            for (double mhz : {100.0, 200.0, 300.0})
                matched.points.push_back({mhz, 0.0});
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(starts.isEmpty()
                          ? QByteArray::fromStdString(nec::writeTouchstone(matched, {}))
                          : starts);
            out.close();
            window->loadMeasurement(path);
        } else if (action == "copy") {
            window->copyTable();
            QVERIFY(QGuiApplication::clipboard()->text().toUtf8().contains(starts));
        } else {
            (action == "plot"    ? window->savePlot(path)
             : action == "sheet" ? window->saveSheet(path)
             : action == "deck"  ? window->saveDeck(path)
                                 : window->saveTouchstone(path));
            QFile written(path);
            QCOMPARE(written.open(QIODevice::ReadOnly), !starts.isEmpty());
            QVERIFY(written.readAll().startsWith(starts));
        }
        QVERIFY2(shown("notice").contains(notice), qPrintable(shown("notice")));
        if (action == "measure" && starts.isEmpty())
            QVERIFY(child<QPlainTextEdit>(window, "summary")
                        ->toPlainText()
                        .contains("measured SWR first below 2 at 100.000 MHz"));
    }
};

DISCONE_PREDICTION_TEST_MAIN(PredictionTest)
#include "tst_prediction.moc"
