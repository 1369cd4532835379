// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The ways from the main window to the predicted SWR: the diagram's context
// menu and tooltip, the first entry of the result boxes' edit menus, and
// Ctrl+R; and nothing of the prediction made before it is asked for.
#include "errorreport.h"
#include "predictiontest.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include <memory>

using namespace discone;
using discone::test::child;
using ui::WindowKind;

namespace {

const QString kEntry = QStringLiteral("Predicted SWR…");

// The menu a right-click at the middle of `widget` opens.
QMenu* contextMenu(QWidget* widget) {
    const QPoint middle = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, middle, widget->mapToGlobal(middle));
    QApplication::sendEvent(widget, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

bool predictionOpen() {
    QWidget* window = test::program().openWindow(WindowKind::Prediction);
    return window != nullptr && window->isVisible() && window->objectName() == "prediction";
}

} // namespace

class PredictionEntryTest : public QObject {
    Q_OBJECT

    QWidget* form = nullptr;

private slots:
    void init() {
        test::closeAllWindows();
        test::forgetSettings();
        test::newProgram();
        ui::setFailureReporter([](const ui::Failure& f) { QFAIL(qPrintable(f.message)); });
        form = test::program().start();
    }
    void cleanup() {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        test::closeAllWindows();
        ui::setFailureReporter(nullptr);
    }

    void nothingIsMadeBeforeItIsAskedFor() {
        for (QWidget* w : QApplication::allWidgets())
            QVERIFY2(w->objectName() != "prediction" && !qobject_cast<QMenu*>(w),
                     qPrintable(w->objectName()));
    }

    void diagramMenuOffersIt() {
        QWidget* diagram = child(form, "Picture1");
        QVERIFY(diagram->toolTip().contains("Right-click"));
        QVERIFY(diagram->toolTip().contains("Ctrl+R"));
        QMenu* menu = contextMenu(diagram);
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->actions().constFirst()->text(), kEntry);
        QVERIFY(!predictionOpen());
        menu->actions().constFirst()->trigger();
        QVERIFY(predictionOpen());
    }

    // Above the box's own edit menu, apart from it.
    void resultBoxMenusOfferItFirst_data() {
        QTest::addColumn<QString>("box");
        for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text18"})
            QTest::newRow(box) << box;
    }
    void resultBoxMenusOfferItFirst() {
        QFETCH(QString, box);
        auto* edit = child<QLineEdit>(form, box);
        const std::unique_ptr<QMenu> standard(edit->createStandardContextMenu());
        QMenu* menu = contextMenu(edit);
        QVERIFY(menu != nullptr);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), standard->actions().size() + 2);
        QCOMPARE(actions[0]->text(), kEntry);
        QVERIFY(actions[1]->isSeparator());
        QCOMPARE(actions[2]->text(), standard->actions().constFirst()->text());
        actions[0]->trigger();
        QVERIFY(predictionOpen());
    }

    // Ctrl+R in the main window; the input box takes it as no edit of its own.
    void ctrlROpensIt() {
        QVERIFY(QTest::qWaitForWindowActive(form));
        child(form, "Text14")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(predictionOpen());
        QCOMPARE(child<QLineEdit>(form, "Text14")->text(), "000.00");
    }
};

DISCONE_PREDICTION_TEST_MAIN(PredictionEntryTest)
#include "tst_prediction_entry.moc"
