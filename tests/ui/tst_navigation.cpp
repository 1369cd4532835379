// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Moving between the windows: one instance per kind, showing brings a window
// to the front without resetting it, closing discards its texts while the
// last frequency survives, and the program ends with its last window.
#include "dimensions.h"
#include "errorreport.h"
#include "uitest.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

using namespace discone;
using discone::test::child;
using ui::WindowKind;

namespace {

int openCount(const QString& name) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == name && w->isVisible();
    return count;
}

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, QLatin1String(button)), Qt::LeftButton);
}

QLineEdit* box(QWidget* window, const char* name) {
    return child<QLineEdit>(window, QLatin1String(name));
}

void closeAndDiscard(QWidget* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        test::closeAllWindows();
        test::newProgram();
        ui::setFailureReporter([](const ui::Failure& f) { QFAIL(qPrintable(f.message)); });
    }
    void cleanupTestCase() { test::closeAllWindows(); }

    void startShowsOnlyTheMainWindow() {
        QWidget* form = test::program().start();
        QCOMPARE(form->objectName(), "Form1");
        QVERIFY(form->isVisible());
        QCOMPARE(test::program().openWindow(WindowKind::Form1), form);
        QVERIFY(test::program().openWindow(WindowKind::Info) == nullptr);
        QVERIFY(test::program().openWindow(WindowKind::Web) == nullptr);
    }

    void eachButtonShowsOneWindow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::newRow("INFO") << "Command2"
                              << "info";
        QTest::newRow("WEBSITE") << "WEBSITE"
                                 << "web";
    }
    void eachButtonShowsOneWindow() {
        QFETCH(QString, button);
        QFETCH(QString, target);
        QWidget* form = test::program().start();
        click(form, qPrintable(button));
        click(form, qPrintable(button));
        QCOMPARE(openCount(target), 1);
        QCOMPARE(openCount("Form1"), 1);
        // The second press brings it to the front with the focus.
        QVERIFY(QTest::qWaitForWindowActive(topLevel(target)));
    }

    // RETURN brings the open main window to the front, unchanged, and leaves
    // the information window open behind it; twice is the same as once.
    void returnShowsTheMainWindowAsItWas() {
        QWidget* form = test::program().start();
        box(form, "Text14")->setText("146");
        click(form, "Command1");
        box(form, "Text14")->setText("typed");
        click(form, "Command2");
        QWidget* info = test::program().openWindow(WindowKind::Info);
        QVERIFY(QTest::qWaitForWindowActive(info));
        auto* note = child<QTextEdit>(info, "Text8");
        note->setPlainText("my note");
        click(info, "Command1");
        click(info, "Command1");
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(test::program().openWindow(WindowKind::Form1), form);
        QCOMPARE(openCount("Form1"), 1);
        QVERIFY(info->isVisible());
        QCOMPARE(note->toPlainText(), "my note");
        QCOMPARE(box(form, "Text14")->text(), "typed");
        QCOMPARE(box(form, "Text6")->text(), "19.41096");
    }

    // A closed main window comes back built afresh; the last frequency stays.
    void returnRebuildsAClosedMainWindow() {
        QWidget* form = test::program().start();
        box(form, "Text14")->setText("146");
        click(form, "Command1");
        click(form, "Command2");
        QWidget* info = test::program().openWindow(WindowKind::Info);
        closeAndDiscard(form);
        QVERIFY(test::program().openWindow(WindowKind::Form1) == nullptr);
        click(info, "Command1");
        form = test::program().openWindow(WindowKind::Form1);
        QVERIFY(form != nullptr && form->isVisible());
        QCOMPARE(box(form, "Text14")->text(), "000.00");
        QCOMPARE(box(form, "Text6")->text(), "000.00");
        QCOMPARE(box(form, "Text3")->text(), "00.00");
        QTest::mouseClick(box(form, "Text14"), Qt::LeftButton);
        QCOMPARE(box(form, "Text14")->text(), "146");
    }

    void closedWindowsComeBackAsFirstShown() {
        QWidget* form = test::program().start();
        click(form, "Command2");
        click(form, "WEBSITE");
        QWidget* info = test::program().openWindow(WindowKind::Info);
        child<QTextEdit>(info, "Text1")->setPlainText("changed");
        closeAndDiscard(info);
        closeAndDiscard(test::program().openWindow(WindowKind::Web));
        click(form, "Command2");
        click(form, "WEBSITE");
        info = test::program().openWindow(WindowKind::Info);
        QVERIFY(child<QTextEdit>(info, "Text1")->toPlainText().startsWith("SOLID DISC"));
        QCOMPARE(test::program().openWindow(WindowKind::Web)->mapToGlobal(QPoint(0, 0)),
                 QPoint(142, 113));
    }

    // Closing the main window while another is open keeps the program going;
    // closing the last one ends the event loop.
    void programEndsWithItsLastWindow() {
        QWidget* form = test::program().start();
        click(form, "WEBSITE");
        bool ranOn = false;
        bool ended = true;
        QObject steps; // cancels what has not run when the test returns
        QTimer::singleShot(0, &steps, [&] { form->close(); });
        QTimer::singleShot(200, &steps, [&] {
            ranOn = true;
            test::program().openWindow(WindowKind::Web)->close();
        });
        QTimer::singleShot(10000, &steps, [&] {
            ended = false;
            QCoreApplication::quit();
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(ranOn);
        QVERIFY(ended);
    }
};

DISCONE_UI_TEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
