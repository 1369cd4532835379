// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The main window's behaviour: the click that refills the input box, the two
// calculate commands, and every run-time error reported while the program
// and its texts stay as they were.
#include "dimensions.h"
#include "errorreport.h"
#include "uitest.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

#include <vector>

using namespace discone;
using discone::test::child;

namespace {

const QStringList kOutputs = {"Text6", "Text4", "Text3", "Text2", "Text5", "Text18", "Text7"};
const QStringList kInitial = {"000.00", "000.00", "00.00", "000.00", "000.00", "000.00", "000.00"};
// The known results for "146", in the order of kOutputs.
const QStringList kInches146 = {"19.41096", "22.4164",          "0.2",     "15.68937",
                                "0.67",     "1.61753424657534", "22.41339"};
const QStringList kCm146 = {"49.303836479187",  "56.937663154602",  "0.512438970208168",
                            "39.8510098838806", "1.70812990069389", "4.10853698630136",
                            "56.9300134277344"};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    QWidget* form = nullptr;
    std::vector<ui::FailureKind> reported;

    QLineEdit* box(const QString& name) { return child<QLineEdit>(form, name); }
    QStringList outputs() {
        QStringList texts;
        for (const QString& name : kOutputs)
            texts << box(name)->text();
        return texts;
    }
    void press(const char* button) {
        QTest::mouseClick(child<QPushButton>(form, QLatin1String(button)), Qt::LeftButton);
    }
    void calculate(const QString& input, const char* button) {
        box("Text14")->setText(input);
        press(button);
    }

private slots:
    void init() {
        test::newProgram();
        reported.clear();
        ui::setFailureReporter([this](const ui::Failure& f) { reported.push_back(f.kind); });
        form = test::freshWindow(ui::WindowKind::Form1);
    }
    void cleanup() {
        ui::setFailureReporter(nullptr);
        test::closeAllWindows();
    }

    void clickRefillsInput_data() {
        QTest::addColumn<QString>("calculated");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing calculated yet") << QString() << "0";
        QTest::newRow("146") << "146"
                             << "146";
        QTest::newRow("trailing zero") << "146.50"
                                       << "146.5";
        QTest::newRow("exponent") << "1.46E2"
                                  << "146";
        QTest::newRow("leading zero") << "0146"
                                      << "146";
        QTest::newRow("seven digits") << "123.456789"
                                      << "123.4568";
    }
    void clickRefillsInput() {
        QFETCH(QString, calculated);
        QFETCH(QString, expected);
        if (!calculated.isNull())
            calculate(calculated, "Command1");
        QCOMPARE(box("Text14")->text(), calculated.isNull() ? "000.00" : calculated);
        box("Text14")->setText("typed over");
        QTest::mouseClick(box("Text14"), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(box("Text14")->text(), expected);
        QVERIFY(reported.empty());
    }

    void onlyALeftClickInsideRefills() {
        QLineEdit* input = box("Text14");
        QTest::mouseClick(input, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(input->text(), "000.00");
        QTest::mousePress(input, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(input, Qt::LeftButton, {}, QPoint(-20, 10));
        QCOMPARE(input->text(), "000.00");
        // The Tab key brings the focus without a click.
        QVERIFY(QTest::qWaitForWindowActive(form));
        child(form, "Text13")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), input);
        QCOMPARE(input->text(), "000.00");
    }

    void commandsWriteTheResultBoxes() {
        calculate("146", "Command1");
        QCOMPARE(outputs(), kInches146);
        press("Command3");
        QCOMPARE(outputs(), kCm146);
        QCOMPARE(box("Text14")->text(), "146");
        // A long result shows its beginning.
        QCOMPARE(box("Text6")->cursorPosition(), 0);
        press("Command1");
        QCOMPARE(outputs(), kInches146);
        calculate("2000", "Command1");
        QCOMPARE(box("Text18")->text(), "SOLID");
        press("Command3");
        QCOMPARE(box("Text18")->text(), "solid");
        QVERIFY(reported.empty());
    }

    // Each command writes its boxes in its own order.
    void commandsWriteInTheirOrder_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("inches") << "Command1" << QStringList{"Text6", "Text4",  "Text3", "Text2",
                                                             "Text5", "Text18", "Text7"};
        QTest::newRow("centimetres")
            << "Command3"
            << QStringList{"Text2", "Text3", "Text4", "Text5", "Text6", "Text18", "Text7"};
    }
    void commandsWriteInTheirOrder() {
        QFETCH(QString, button);
        QFETCH(QStringList, order);
        QStringList written;
        QObject recording; // the connections end with it
        for (const QString& name : kOutputs)
            connect(box(name), &QLineEdit::textChanged, &recording,
                    [&written, name] { written << name; });
        calculate("146", qPrintable(button));
        QCOMPARE(written, order);
    }

    void enterStartsNothing() {
        box("Text14")->setText("146");
        QTest::keyClick(box("Text14"), Qt::Key_Return);
        QTest::keyClick(box("Text14"), Qt::Key_Enter);
        QCOMPARE(outputs(), kInitial);
    }

    void errorsLeaveEverythingAsItWas_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("kind");
        const struct {
            const char* tag;
            const char* input;
            ui::FailureKind kind;
        } cases[] = {{"placeholder", "000.00", ui::FailureKind::DivisionByZero},
                     {"zero", "0", ui::FailureKind::DivisionByZero},
                     {"empty", "", ui::FailureKind::TypeMismatch},
                     {"blanks", "   ", ui::FailureKind::TypeMismatch},
                     {"letters", "abc", ui::FailureKind::TypeMismatch},
                     {"unit", "12 MHz", ui::FailureKind::TypeMismatch},
                     {"beyond single", "1E39", ui::FailureKind::Overflow}};
        for (const auto& c : cases) {
            for (const char* button : {"Command1", "Command3"})
                QTest::addRow("%s %s", c.tag, button) << c.input << button << int(c.kind);
        }
    }
    void errorsLeaveEverythingAsItWas() {
        QFETCH(QString, input);
        QFETCH(QString, button);
        QFETCH(int, kind);
        calculate("146", "Command1");
        calculate(input, qPrintable(button));
        QCOMPARE(reported, std::vector<ui::FailureKind>{ui::FailureKind(kind)});
        QCOMPARE(outputs(), kInches146);
        QCOMPARE(box("Text14")->text(), input);
        QVERIFY(form->isVisible());
        // Still running: the next command works.
        calculate("146", "Command3");
        QCOMPARE(outputs(), kCm146);
    }

    // The message names the kind first and says what to do.
    void errorTextNamesKindAndRemedy_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("type") << int(ui::FailureKind::TypeMismatch) << "Type mismatch"
                              << QStringList{"Type mismatch", "number of megahertz", "146"};
        QTest::newRow("overflow") << int(ui::FailureKind::Overflow) << "Overflow"
                                  << QStringList{"Overflow", "number of megahertz", "146"};
        QTest::newRow("zero") << int(ui::FailureKind::DivisionByZero) << "Division by zero"
                              << QStringList{"Division by zero", "other than zero", "146"};
        QTest::newRow("launch") << int(ui::FailureKind::Platform) << "xdg-open failed"
                                << QStringList{"xdg-open failed"};
    }
    void errorTextNamesKindAndRemedy() {
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(QStringList, expected);
        const ui::FailureKind failure = ui::FailureKind(kind);
        const QString text = failure == ui::FailureKind::Platform
                                 ? ui::failureOf(ui::PlatformFailure(message.toStdString())).message
                                 : ui::failureOf(CalculationError(ErrorKind(kind))).message;
        QVERIFY2(text.startsWith(expected.front()), qPrintable(text));
        for (const QString& part : expected)
            QVERIFY2(text.contains(part), qPrintable(text));
        // No sentence twice.
        const QStringList sentences =
            text.split(QRegularExpression(QStringLiteral("\\.\\s+|\\n+")), Qt::SkipEmptyParts);
        QCOMPARE(QSet<QString>(sentences.begin(), sentences.end()).size(), sentences.size());
    }

    // Without a recorder the error shows in a message box titled DISCONE, in
    // the face of the windows.
    void errorShowsMessageBox() {
        ui::setFailureReporter(nullptr);
        QString title;
        QString text;
        QFont font;
        QTimer::singleShot(0, form, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            font = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font();
            box->accept();
        });
        calculate("abc", "Command1");
        QCOMPARE(title, "DISCONE");
        QCOMPARE(QFontInfo(font).family(), QFontInfo(form->font()).family());
        QCOMPARE(QFontInfo(font).pixelSize(), QFontInfo(form->font()).pixelSize());
        QVERIFY(text.startsWith("Type mismatch"));
        QCOMPARE(outputs(), kInitial);
        QVERIFY(form->isVisible());
    }
};

DISCONE_UI_TEST_MAIN(Form1Test)
#include "tst_form1.moc"
