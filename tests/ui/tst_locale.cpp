// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// In a locale whose decimal separator is the comma, the main window reads
// and writes numbers with the comma, and the point groups digits.
#include "dimensions.h"
#include "uitest.h"

#include <QLineEdit>
#include <QPushButton>

using namespace discone;
using discone::test::child;

class LocaleTest : public QObject {
    Q_OBJECT

private slots:
    void commaLocale() {
        QWidget* form = test::program().start();
        auto* input = child<QLineEdit>(form, "Text14");
        input->setText("146,5");
        QTest::mouseClick(child<QPushButton>(form, "Command1"), Qt::LeftButton);
        QCOMPARE(test::program().Module1.LowestFrequency, 146.5f);
        QTest::mouseClick(input, Qt::LeftButton);
        QCOMPARE(input->text(), "146,5");
        input->setText("146");
        QTest::mouseClick(child<QPushButton>(form, "Command1"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(form, "Text6")->text(), "19,41096");
        input->setText("1.46");
        QTest::mouseClick(child<QPushButton>(form, "Command1"), Qt::LeftButton);
        QCOMPARE(test::program().Module1.LowestFrequency, 146.0f);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "de_DE.UTF-8");
    ui::Application app(argc, argv, "offscreen");
    LocaleTest test;
    const int status = QTest::qExec(&test, argc, argv);
    test::programSlot().reset();
    return status;
}
#include "tst_locale.moc"
