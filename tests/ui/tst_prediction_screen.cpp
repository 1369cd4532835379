// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window on a small screen: opened on the screen CTest
// gives (DISCONE_TEST_SCREEN, such as 1024x600; QT_SCALE_FACTOR as set), it
// lies within the screen's free area, every control is within the screen
// once scrolled to as Tab scrolls to it, and every button is there without
// scrolling at all; the views give up their height before the summary.
#include "fake_engine.h"
#include "predictiontest.h"

#include <QAbstractButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryFile>

using namespace discone;
using discone::test::calculate;
using discone::test::child;
using discone::test::prediction;
using State = ui::PredictionWindow::State;

namespace {

// Where `widget` lies on the screen.
QRect globalRect(QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

} // namespace

class PredictionScreenTest : public QObject {
    Q_OBJECT

    test::FakeEngine answers_;

private slots:
    void init() {
        test::closeAllWindows();
        test::forgetSettings();
        test::newProgram().setEngine(&answers_);
    }
    void cleanup() { test::closeAllWindows(); }

    void everyControlFits_data() {
        QTest::addColumn<QString>("control");
        for (const char* name : {"wires",     "diameter", "highest",        "points",
                                 "reference", "cable",    "length",         "views",
                                 "scale",     "swrView",  "reading",        "summary",
                                 "tuning",    "use",      "status",         "cancel",
                                 "savePlot",  "saveDeck", "saveTouchstone", "loadMeasurement",
                                 "copyTable"})
            QTest::newRow(name) << name;
    }
    void everyControlFits() {
        QFETCH(QString, control);
        calculate("146", "Command1");
        ui::PredictionWindow* window = prediction();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_COMPARE(window->state(), State::Done);
        const QRect free = window->screen()->availableGeometry();
        QVERIFY2(free.contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1 x %2 at %3, %4 on %5 x %6")
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())
                                .arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y())
                                .arg(free.width())
                                .arg(free.height())));
        auto* scroll = child<QScrollArea>(window, "scroll");
        QWidget* widget = child(window, control);
        QVERIFY(widget->isVisible());
        const auto seen = [&] {
            const QRect shown = globalRect(scroll->viewport());
            return shown.contains(globalRect(widget)) && free.contains(globalRect(widget));
        };
        if (qobject_cast<QAbstractButton*>(widget))
            QVERIFY2(seen(), qPrintable(QStringLiteral("at %1, %2 in a viewport of %3 x %4")
                                            .arg(globalRect(widget).x())
                                            .arg(globalRect(widget).y())
                                            .arg(scroll->viewport()->width())
                                            .arg(scroll->viewport()->height())));
        scroll->ensureWidgetVisible(widget, 0, 0);
        QVERIFY(seen());
        // The views at their least before the summary is cut short.
        if (control == "views" &&
            child(window, "summary")->height() < child(window, "summary")->sizeHint().height())
            QCOMPARE(child(window, "swrView")->height(),
                     child(window, "swrView")->minimumSizeHint().height());
    }
};

// An offscreen screen of the size asked for, with window frames.
int main(int argc, char** argv) {
    test::useScratchSettings();
    const QStringList size =
        QString::fromLocal8Bit(qgetenv("DISCONE_TEST_SCREEN")).split(u'x', Qt::SkipEmptyParts);
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/discone-screen-XXXXXX.json"));
    if (size.size() != 2 || !config.open())
        return 2;
    config.write(
        QStringLiteral("{\"windowFrameMargins\": true, \"screens\": [{\"name\": \"small\", "
                       "\"x\": 0, \"y\": 0, \"width\": %1, \"height\": %2, "
                       "\"logicalDpi\": 96, \"dpr\": 1}]}")
            .arg(size[0], size[1])
            .toUtf8());
    config.close();
    const QByteArray platform = "offscreen:configfile=" + config.fileName().toLocal8Bit();
    qputenv("QT_QPA_PLATFORM", platform);
    qputenv("LC_ALL", "C");
    ui::Application app(argc, argv, platform.constData());
    PredictionScreenTest test;
    const int status = QTest::qExec(&test, argc, argv);
    test::programSlot().reset();
    return status;
}

#include "tst_prediction_screen.moc"
