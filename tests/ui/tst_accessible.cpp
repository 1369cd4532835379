// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader learns through Qt's accessibility interfaces: the
// windows by role and title, the pictures as named graphics it does not
// offer to focus, the web address as a link it can press, each multi-line
// box as one editable text, and the unit of the results once a calculation
// has filled them.
#include "dimensions.h"
#include "errorreport.h"
#include "uitest.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

using namespace discone;
using discone::test::child;
using ui::WindowKind;

namespace {

QAccessibleInterface* accessible(QWidget* window, const QString& name) {
    QObject* object = name.isEmpty() ? window : child(window, name);
    return object == nullptr ? nullptr : QAccessible::queryAccessibleInterface(object);
}

// The objects of every interface a screen reader reaches walking down from
// `root`, root included.
QObjectList reachable(QAccessibleInterface* root) {
    QObjectList objects{root->object()};
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* c = root->child(i))
            objects += reachable(c);
    return objects;
}

} // namespace

class AccessibleTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        test::closeAllWindows();
        test::newProgram();
        ui::setFailureReporter(nullptr);
    }
    void cleanup() {
        ui::setFailureReporter(nullptr);
        test::closeAllWindows();
    }

    void rolesNamesAndActions_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("control"); // empty: the window itself
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("focusable");
        QTest::addColumn<QStringList>("actions");
        const auto form1 = int(WindowKind::Form1);
        const auto info = int(WindowKind::Info);
        const auto web = int(WindowKind::Web);
        const QStringList none;
        QTest::newRow("Form1") << form1 << QString() << int(QAccessible::Window) << "DISCONE"
                               << false << none;
        QTest::newRow("info") << info << QString() << int(QAccessible::Dialog) << "Form2" << false
                              << none;
        QTest::newRow("web") << web << QString() << int(QAccessible::Dialog) << "Web Page Link"
                             << false << none;
        QTest::newRow("antenna diagram") << form1 << "Picture1" << int(QAccessible::Graphic)
                                         << "Antenna diagram" << false << none;
        QTest::newRow("cage sketch")
            << info << "Picture1" << int(QAccessible::Graphic) << "Cage sketch" << false << none;
        QTest::newRow("feed-point detail") << info << "Picture2" << int(QAccessible::Graphic)
                                           << "Feed-point detail" << false << none;
        QTest::newRow("link") << web << "lblWebPage" << int(QAccessible::Link)
                              << "https://www.zorval.example" << false
                              << QStringList{QAccessibleActionInterface::pressAction()};
        QTest::newRow("label") << web << "Label1" << int(QAccessible::StaticText)
                               << "The link will be opened in your default browser." << false
                               << none;
    }
    void rolesNamesAndActions() {
        QFETCH(int, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(bool, focusable);
        QFETCH(QStringList, actions);
        QAccessibleInterface* iface =
            accessible(test::program().showWindow(WindowKind(window)), control);
        QVERIFY(iface != nullptr && iface->isValid());
        QCOMPARE(iface->role(), QAccessible::Role(role));
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(bool(iface->state().focusable), focusable);
        QAccessibleActionInterface* act = iface->actionInterface();
        QStringList offered = act == nullptr ? QStringList() : act->actionNames();
        offered.sort();
        actions.sort();
        QCOMPARE(offered, actions);
    }

    // The web window offers a screen reader nothing to focus, as it offers
    // the keyboard nothing.
    void webWindowHasNothingFocusable() {
        QAccessibleInterface* web = accessible(test::program().showWindow(WindowKind::Web), {});
        QCOMPARE(web->childCount(), 3);
        for (int i = 0; i < web->childCount(); ++i)
            QVERIFY(!web->child(i)->state().focusable);
    }

    // A multi-line box is one editable text: its viewport and scroll bars
    // stay out of the tree.
    void multiLineBoxesAreMetOnce_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");
        const auto form1 = int(WindowKind::Form1);
        const auto info = int(WindowKind::Info);
        QTest::newRow("about") << form1 << "Text16"
                               << "About discones";
        QTest::newRow("instructions") << form1 << "Text15"
                                      << "Instructions";
        QTest::newRow("mesh caption") << form1 << "Text17"
                                      << "Mesh spacing caption";
        QTest::newRow("height caption") << form1 << "Text13"
                                        << "Height to bottom of disc caption";
        QTest::newRow("minimum caption") << form1 << "Text11"
                                         << "Minimum diameter caption";
        QTest::newRow("side caption") << form1 << "Text10"
                                      << "Side length caption";
        QTest::newRow("transmitting") << info << "Text9"
                                      << "Note on transmitting discones";
        QTest::newRow("receiving") << info << "Text8"
                                   << "Note on receiving discones";
        QTest::newRow("screws") << info << "Text4"
                                << "Screws note";
        QTest::newRow("spacer") << info << "Text3"
                                << "Spacer note";
        QTest::newRow("cage") << info << "Text1"
                              << "Cage note";
    }
    void multiLineBoxesAreMetOnce() {
        QFETCH(int, window);
        QFETCH(QString, box);
        QFETCH(QString, name);
        QWidget* w = test::program().showWindow(WindowKind(window));
        auto* edit = child<QTextEdit>(w, box);
        QVERIFY(edit != nullptr);
        qsizetype met = 0;
        for (QObject* o : reachable(accessible(w, {})))
            met += o == edit || edit->isAncestorOf(qobject_cast<QWidget*>(o)) ? 1 : 0;
        QCOMPARE(met, 1);

        QAccessibleInterface* iface = accessible(w, box);
        QCOMPARE(iface->childCount(), 0);
        QCOMPARE(iface->role(), QAccessible::EditableText);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QVERIFY(iface->state().editable && iface->state().multiLine && !iface->state().readOnly);
        const QString shown = edit->toPlainText();
        QCOMPARE(iface->text(QAccessible::Value), shown);
        QVERIFY(iface->textInterface() != nullptr && iface->editableTextInterface() != nullptr);
        QCOMPARE(iface->textInterface()->characterCount(), shown.size());
        QCOMPARE(iface->textInterface()->text(0, int(shown.size())), shown);
    }

    void resultBoxesDescribeTheirUnit_data() {
        QTest::addColumn<QStringList>("steps"); // frequency or "rebuild", then a button
        QTest::addColumn<QString>("description");
        QTest::newRow("before any calculation") << QStringList() << "";
        QTest::newRow("inches") << QStringList{"146", "Command1"} << "in inches";
        QTest::newRow("centimetres") << QStringList{"146", "Command3"} << "in centimetres";
        QTest::newRow("centimetres then inches")
            << QStringList{"146", "Command3", "220", "Command1"} << "in inches";
        QTest::newRow("failed calculation keeps the unit")
            << QStringList{"146", "Command3", "abc", "Command1"} << "in centimetres";
        QTest::newRow("rebuilt window") << QStringList{"146", "Command1", "rebuild", ""} << "";
    }
    void resultBoxesDescribeTheirUnit() {
        QFETCH(QStringList, steps);
        QFETCH(QString, description);
        ui::setFailureReporter([](const ui::Failure&) {});
        QWidget* form = test::program().showWindow(WindowKind::Form1);
        for (qsizetype i = 0; i + 1 < steps.size(); i += 2) {
            if (steps[i] == "rebuild") {
                form = test::freshWindow(WindowKind::Form1);
                continue;
            }
            child<QLineEdit>(form, "Text14")->setText(steps[i]);
            QTest::mouseClick(child<QPushButton>(form, steps[i + 1]), Qt::LeftButton);
        }
        for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text18"}) {
            QAccessibleInterface* iface = accessible(form, box);
            QCOMPARE(iface->role(), QAccessible::EditableText);
            QCOMPARE(iface->text(QAccessible::Description), description);
            // The box still shows just the number.
            QCOMPARE(iface->text(QAccessible::Value), child<QLineEdit>(form, box)->text());
        }
    }
};

DISCONE_UI_TEST_MAIN(AccessibleTest)
#include "tst_accessible.moc"
