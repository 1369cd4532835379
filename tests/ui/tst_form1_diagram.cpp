// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The antenna diagram as the main window shows it: unscaled at Picture1's
// top-left corner, each value box sitting in the gap of its dimension mark
// with the ground showing between the mark's ends and the box, light green
// strips right of and below the drawing, and the same drawing before and
// after every calculation.
#include "uitest.h"

#include <QLineEdit>
#include <QPushButton>

using namespace discone;
using discone::test::child;

namespace {

constexpr QPoint kPicture1{0, 24}; // Picture1's top-left in window pixels

} // namespace

class Form1DiagramTest : public QObject {
    Q_OBJECT

    QWidget* form = nullptr;
    QImage drawing;
    QImage shot;

    // The window's pixel over pixel (x, y) of the diagram.
    QColor shown(int x, int y) const { return shot.pixelColor(kPicture1 + QPoint(x, y)); }
    bool blackAt(int x, int y) const { return shown(x, y) == QColor(Qt::black); }
    // The drawing shows through: the window has the diagram's own pixel.
    bool drawingAt(int x, int y) const { return shown(x, y) == drawing.pixelColor(x, y); }
    // Ground: the drawing shows and it is not a stroke.
    bool groundAt(int x, int y) const { return drawingAt(x, y) && !blackAt(x, y); }
    QRect boxRect(const char* name) const {
        auto* box = child<QLineEdit>(form, QLatin1String(name));
        return box == nullptr ? QRect() : box->geometry();
    }

private slots:
    void initTestCase() {
        drawing = QImage(QStringLiteral(":/images/antenna.bmp"));
        QCOMPARE(drawing.size(), QSize(400, 400));
        form = test::freshWindow(ui::WindowKind::Form1);
        QVERIFY(form != nullptr);
        shot = test::grabImage(form);
    }
    void cleanupTestCase() { test::closeAllWindows(); }

    void diagramIsShownUnscaledAtTheTopLeft_data() {
        QTest::addColumn<QRect>("patch"); // diagram pixels clear of every control
        QTest::newRow("top-left tick") << QRect(10, 0, 20, 30);
        QTest::newRow("disc bar") << QRect(60, 30, 60, 12);
        QTest::newRow("cone top") << QRect(140, 50, 70, 10);
        QTest::newRow("right of the cone") << QRect(300, 210, 20, 10);
        QTest::newRow("skirt left end") << QRect(0, 320, 40, 30);
    }
    void diagramIsShownUnscaledAtTheTopLeft() {
        QFETCH(QRect, patch);
        for (int y = patch.top(); y <= patch.bottom(); ++y)
            for (int x = patch.left(); x <= patch.right(); ++x)
                QVERIFY2(drawingAt(x, y), qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
    }

    void valueBoxesSitInTheMarksGaps_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Text2") << "Text2" << QRect(152, 0, 49, 19);
        QTest::newRow("Text3") << "Text3" << QRect(264, 56, 41, 19);
        QTest::newRow("Text4") << "Text4" << QRect(48, 144, 49, 19);
        QTest::newRow("Text5") << "Text5" << QRect(152, 176, 49, 19);
        QTest::newRow("Text6") << "Text6" << QRect(328, 128, 49, 19);
        QTest::newRow("Text7") << "Text7" << QRect(160, 360, 49, 19);
    }
    void valueBoxesSitInTheMarksGaps() {
        QFETCH(QString, box);
        QFETCH(QRect, rect);
        QCOMPARE(boxRect(qPrintable(box)), rect);
    }

    void topMarkLeavesGroundAroundText2() {
        // Row 11: the line ends at x 133 and resumes at 221; Text2 covers 152-200.
        QVERIFY(blackAt(133, 11));
        QVERIFY(blackAt(221, 11));
        for (int x : {134, 151, 201, 220})
            QVERIFY2(groundAt(x, 11), qPrintable(QString::number(x)));
    }
    void rightMarkLeavesGroundAroundText6() {
        // Column 370: the line stops at y 125 and resumes at 158; Text6 covers 128-146.
        QVERIFY(blackAt(370, 125));
        QVERIFY(blackAt(370, 158));
        for (int y : {126, 127, 147, 157})
            QVERIFY2(groundAt(370, y), qPrintable(QString::number(y)));
    }
    void bottomMarkLeavesGroundAroundText7() {
        // Left half on rows 372-373 to x 138, right half on rows 370-371 from 227.
        QVERIFY(blackAt(138, 372));
        QVERIFY(blackAt(227, 370));
        for (int x : {139, 159})
            QVERIFY2(groundAt(x, 372), qPrintable(QString::number(x)));
        for (int x : {209, 226})
            QVERIFY2(groundAt(x, 370), qPrintable(QString::number(x)));
    }
    void sideMarkLeavesGroundAroundText4() {
        // Its halves end at (93, 138) and (79, 166); Text4 covers y 144-162.
        QVERIFY(blackAt(93, 138));
        QVERIFY(blackAt(79, 166));
        for (int y = 139; y <= 165; ++y) {
            const int x = qRound(93 + (79.0 - 93) * (y - 138) / 28);
            QVERIFY2(!blackAt(x, y) && !blackAt(x + 1, y),
                     qPrintable(QStringLiteral("mark drawn at %1, %2").arg(x).arg(y)));
        }
    }
    void minimumVerticalsEndAboveText5() {
        QVERIFY(blackAt(153, 168));
        QVERIFY(blackAt(201, 167));
        for (int y = 169; y <= 175; ++y) {
            QVERIFY2(groundAt(153, y), qPrintable(QString::number(y)));
            QVERIFY2(groundAt(202, y), qPrintable(QString::number(y)));
        }
    }
    void spacingLeadersMeetText3() {
        // The upper leader's horizontal part runs into the box's left edge;
        // the lower one passes under its bottom left corner.
        QVERIFY(blackAt(263, 57));
        QVERIFY(blackAt(264, 76));
        QVERIFY(groundAt(264, 75));
    }

    void stripsRightAndBelowShowTheBackground() {
        const QColor green(0x80, 0xff, 0x80);
        // Picture1 is 409 x 425 pixels; Text1 lies over its top-right corner
        // and Text12 straddles the diagram's lower edge (x 136-248, y 384-402).
        for (int y = 20; y < 425; ++y)
            for (int x = 400; x < 409; ++x)
                QVERIFY2(shown(x, y) == green, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
        for (int y = 400; y < 425; ++y)
            for (int x = 0; x < 400; ++x) {
                if (y <= 402 && x >= 136 && x <= 248)
                    continue;
                QVERIFY2(shown(x, y) == green, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            }
    }

    void diagramIsTheSameAfterEachCalculation_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("inches") << "Command1";
        QTest::newRow("centimetres") << "Command3";
    }
    void diagramIsTheSameAfterEachCalculation() {
        QFETCH(QString, button);
        child<QLineEdit>(form, "Text14")->setText("146");
        QTest::mouseClick(child<QPushButton>(form, button), Qt::LeftButton);
        const QImage after = test::grabImage(form);
        // Every pixel of the diagram outside the seven output boxes.
        QRegion boxes;
        for (const char* name : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text18"})
            boxes += boxRect(name);
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x) {
                if (boxes.contains(QPoint(x, y)))
                    continue;
                QVERIFY2(after.pixel(kPicture1 + QPoint(x, y)) ==
                             shot.pixel(kPicture1 + QPoint(x, y)),
                         qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            }
    }
};

DISCONE_UI_TEST_MAIN(Form1DiagramTest)
#include "tst_form1_diagram.moc"
