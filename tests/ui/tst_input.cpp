// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard, the mouse and the wheel as a user works them: typing after a
// click in the input box replaces the refilled number, a failed calculation
// leaves the last good frequency to refill, Enter activates the focused
// button, the caption boxes stay put under the wheel, and a picture box shows
// its focus only when the Tab key brought it there.

// Mouse events travel the window system's path, so a double click arrives
// as press, release, press, double click and release.
#define QTEST_QPA_MOUSE_HANDLING
#include "dimensions.h"
#include "errorreport.h"
#include "uitest.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextEdit>
#include <QWheelEvent>

#include <memory>
#include <vector>

using namespace discone;
using discone::test::child;
using ui::WindowKind;

namespace {

// How a picture box gets the focus.
enum FocusWay { AtStart, Click, Tab, ShiftTab };

const QStringList kOutputs = {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text18"};

void addBoxRow(const char* tag, WindowKind kind, const char* name) {
    QTest::addRow("%s", tag) << int(kind) << QString::fromLatin1(name);
}

} // namespace

class InputTest : public QObject {
    Q_OBJECT

    std::vector<ui::FailureKind> reported;

    static QLineEdit* input(QWidget* form) { return child<QLineEdit>(form, "Text14"); }
    static void calculate(QWidget* form, const QString& text, const QString& button) {
        input(form)->setText(text);
        QTest::mouseClick(child<QPushButton>(form, button), Qt::LeftButton);
    }

private slots:
    void init() {
        test::closeAllWindows();
        test::newProgram();
        reported.clear();
        ui::setFailureReporter([this](const ui::Failure& f) { reported.push_back(f.kind); });
    }
    void cleanup() {
        ui::setFailureReporter(nullptr);
        test::closeAllWindows();
    }

    void typingAfterAClickReplacesTheNumber_data() {
        QTest::addColumn<QString>("calculated"); // null: nothing calculated yet
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("key"); // pressed before typing; 0 for none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("at start") << QString() << false << 0 << "146"
                                  << "146";
        QTest::newRow("after a calculation") << "146" << false << 0 << "220"
                                             << "220";
        QTest::newRow("after a double click") << "146.5" << true << 0 << "220"
                                              << "220";
        QTest::newRow("Home keeps the number") << "146" << false << int(Qt::Key_Home) << "2"
                                               << "2146";
        QTest::newRow("End keeps the number") << "146" << false << int(Qt::Key_End) << "0"
                                              << "1460";
    }
    void typingAfterAClickReplacesTheNumber() {
        QFETCH(QString, calculated);
        QFETCH(bool, doubleClick);
        QFETCH(int, key);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QWidget* form = test::program().showWindow(WindowKind::Form1);
        QVERIFY(QTest::qWaitForWindowActive(form));
        if (!calculated.isNull())
            calculate(form, calculated, "Command1");
        const QPoint inside(20, 12);
        if (doubleClick)
            QTest::mouseDClick(input(form), Qt::LeftButton, {}, inside);
        else
            QTest::mouseClick(input(form), Qt::LeftButton, {}, inside);
        if (key != 0)
            QTest::keyClick(input(form), Qt::Key(key));
        QTest::keyClicks(input(form), typed);
        QCOMPARE(input(form)->text(), expected);
        QVERIFY(reported.empty());
    }

    void failedCalculationKeepsTheLastFrequency_data() {
        QTest::addColumn<QString>("rejected");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("kind");
        const struct {
            const char* tag;
            const char* input;
            ui::FailureKind kind;
        } cases[] = {{"not a number", "abc", ui::FailureKind::TypeMismatch},
                     {"zero", "0", ui::FailureKind::DivisionByZero},
                     {"beyond single", "1E39", ui::FailureKind::Overflow},
                     {"tiny", "1e-40", ui::FailureKind::Overflow},
                     {"step three", "9E-36", ui::FailureKind::Overflow}};
        for (const auto& c : cases) {
            for (const char* button : {"Command1", "Command3"})
                QTest::addRow("%s %s", c.tag, button) << c.input << button << int(c.kind);
        }
    }
    void failedCalculationKeepsTheLastFrequency() {
        QFETCH(QString, rejected);
        QFETCH(QString, button);
        QFETCH(int, kind);
        QWidget* form = test::program().showWindow(WindowKind::Form1);
        calculate(form, "146", "Command1");
        calculate(form, rejected, button);
        QCOMPARE(reported, std::vector<ui::FailureKind>{ui::FailureKind(kind)});
        QTest::mouseClick(input(form), Qt::LeftButton, {}, {20, 12});
        QCOMPARE(input(form)->text(), "146");
        // A rebuilt main window refills the same.
        form = test::freshWindow(WindowKind::Form1);
        QTest::mouseClick(input(form), Qt::LeftButton, {}, {20, 12});
        QCOMPARE(input(form)->text(), "146");
    }

    void enterActsOnTheFocusedButtonOnly_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        const struct {
            const char* tag;
            WindowKind kind;
            const char* name;
        } targets[] = {{"Command1", WindowKind::Form1, "Command1"},
                       {"Command3", WindowKind::Form1, "Command3"},
                       {"Command2", WindowKind::Form1, "Command2"},
                       {"WEBSITE", WindowKind::Form1, "WEBSITE"},
                       {"RETURN", WindowKind::Info, "Command1"},
                       {"Text14", WindowKind::Form1, "Text14"}};
        for (const auto& t : targets) {
            QTest::addRow("%s Return", t.tag)
                << int(t.kind) << t.name << int(Qt::Key_Return) << false;
            QTest::addRow("%s keypad Enter", t.tag)
                << int(t.kind) << t.name << int(Qt::Key_Enter) << true;
        }
    }
    void enterActsOnTheFocusedButtonOnly() {
        QFETCH(int, window);
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QWidget* w = test::program().showWindow(WindowKind(window));
        QVERIFY(QTest::qWaitForWindowActive(w));
        if (QLineEdit* in = input(w))
            in->setText("146");
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const QList<QPushButton*> buttons = w->findChildren<QPushButton*>();
        for (QPushButton* b : buttons)
            spies.push_back(std::make_unique<QSignalSpy>(b, &QPushButton::clicked));
        child(w, target)->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), child(w, target));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        keypad ? Qt::KeypadModifier : Qt::NoModifier);
        for (qsizetype i = 0; i < buttons.size(); ++i)
            QCOMPARE(spies[i]->count(), buttons[i]->objectName() == target ? 1 : 0);
        QVERIFY(reported.empty());
        if (target == "Text14") {
            for (const QString& name : kOutputs)
                QCOMPARE(child<QLineEdit>(w, name)->text(), name == "Text3" ? "00.00" : "000.00");
        }
    }

    void wheelLeavesCaptionBoxesInPlace_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("box");
        for (const char* name : {"Text15", "Text13", "Text16", "Text17", "Text11", "Text10"})
            addBoxRow(name, WindowKind::Form1, name);
        for (const char* name : {"Text1", "Text3", "Text4", "Text8", "Text9"})
            addBoxRow(qPrintable(QStringLiteral("info %1").arg(name)), WindowKind::Info, name);
    }
    void wheelLeavesCaptionBoxesInPlace() {
        QFETCH(int, window);
        QFETCH(QString, box);
        QWidget* w = test::program().showWindow(WindowKind(window));
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* edit = child<QTextEdit>(w, box);
        const QImage drawn = edit->grab().toImage();
        const QPoint at = edit->viewport()->rect().center();
        for (int notches : {-3, -3, 3, -1}) {
            QWheelEvent wheel(at, edit->viewport()->mapToGlobal(at), {}, {0, notches * 120},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(edit->viewport(), &wheel);
        }
        QCOMPARE(edit->verticalScrollBar()->value(), 0);
        QCOMPARE(edit->grab().toImage(), drawn);
        // Still selectable and editable, and the first line stays put when
        // the insertion point goes to the end.
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, {4, 4});
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->textCursor().selectedText().size(), edit->toPlainText().size());
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(edit, "X");
        QVERIFY(edit->toPlainText().endsWith(u'X'));
        QCOMPARE(edit->verticalScrollBar()->value(), 0);
    }

    void pictureShowsFocusOnlyFromTheTabKey_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("from"); // where Tab or Shift+Tab is pressed
        QTest::addColumn<bool>("shown");
        const auto form1 = int(WindowKind::Form1);
        const auto info = int(WindowKind::Info);
        const QString none;
        // clang-format off
        QTest::newRow("Form1 at start")  << form1 << "Picture1" << int(AtStart)  << none       << false;
        QTest::newRow("Form1 click")     << form1 << "Picture1" << int(Click)    << none       << false;
        QTest::newRow("Form1 Tab")       << form1 << "Picture1" << int(Tab)      << "WEBSITE"  << true;
        QTest::newRow("Form1 Shift+Tab") << form1 << "Picture1" << int(ShiftTab) << "Text1"    << true;
        QTest::newRow("info at start")   << info  << "Picture1" << int(AtStart)  << none       << false;
        QTest::newRow("info click")      << info  << "Picture2" << int(Click)    << none       << false;
        QTest::newRow("info Tab")        << info  << "Picture2" << int(Tab)      << "Picture1" << true;
        QTest::newRow("info Shift+Tab")  << info  << "Picture1" << int(ShiftTab) << "Picture2" << true;
        // clang-format on
    }
    void pictureShowsFocusOnlyFromTheTabKey() {
        QFETCH(int, window);
        QFETCH(QString, picture);
        QFETCH(int, how);
        QFETCH(QString, from);
        QFETCH(bool, shown);
        QWidget* w = test::program().showWindow(WindowKind(window));
        QVERIFY(QTest::qWaitForWindowActive(w));
        QWidget* box = child(w, picture);
        const bool atStart = how == AtStart;
        if (atStart)
            QCOMPARE(QApplication::focusWidget(), box);
        const QImage startImage = box->grab().toImage();
        // The picture as drawn, while a button elsewhere has the focus.
        child(w, window == int(WindowKind::Form1) ? "Command2" : "Command1")->setFocus();
        const QImage drawn = box->grab().toImage();
        if (how == Click) {
            QTest::mouseClick(box, Qt::LeftButton, {}, {5, 100});
        } else if (!atStart) {
            child(w, from)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            how == Tab ? Qt::NoModifier : Qt::ShiftModifier);
        }
        if (!atStart)
            QCOMPARE(QApplication::focusWidget(), box);
        const QImage focused = atStart ? startImage : box->grab().toImage();
        if (!shown) {
            QCOMPARE(focused, drawn);
            return;
        }
        // A dotted ring of changed pixels on the box's outermost pixels.
        const QRect inner = box->rect().adjusted(1, 1, -1, -1);
        int changed = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (focused.pixel(x, y) == drawn.pixel(x, y))
                    continue;
                QVERIFY2(!inner.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                ++changed;
            }
        }
        // Dotted: about every other pixel of the ring, where no child covers it.
        const int ring = 2 * (box->width() + box->height());
        QVERIFY2(changed > ring / 4 && changed < ring * 3 / 4,
                 qPrintable(QString::number(changed)));
    }
};

DISCONE_UI_TEST_MAIN(InputTest)
#include "tst_input.moc"
