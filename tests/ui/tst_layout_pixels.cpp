// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The grabbed pixels of the three windows: grounds, borders, overlaps, the
// pictures in their boxes, the doubled leaders, and the light look under a
// dark desktop theme.
#include "layout_tables.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

using namespace discone;
using namespace layouttest;
using discone::test::child;
using discone::test::twips;

class LayoutPixelsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::closeAllWindows(); }
    void cleanupTestCase() { test::closeAllWindows(); }

    // Grabbed pixels: grounds, picture strips, borders and overlaps. An
    // expected colour starting with "!" is one the pixel must not have.
    void pixels_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("colour");
        const auto row = [](const char* tag, const char* window, QPoint at, const char* colour) {
            QTest::newRow(tag) << window << at << colour;
        };
        row("Form1 ground", "Form1", {650, 460}, kGreen);
        row("Picture1 picture", "Form1", {50, 100}, "#ff00ff");
        row("Picture1 right strip", "Form1", {404, 200}, kGreen);
        row("Picture1 bottom strip", "Form1", {50, 440}, kGreen);
        row("Text14 fill", "Form1", {484, 68}, "#ffe0c0");
        row("Text14 border", "Form1", {416, 60}, "!#ffe0c0");
        row("Text6 fill", "Form1", {373, 167}, kYellow);
        row("Text6 border", "Form1", {328, 160}, "!#ffff00");
        row("Text15 no border", "Form1", {504, 100}, kGreen);
        row("Text8 over Text2", "Form1", {197, 26}, kGreen);
        row("Text2 below Text8", "Form1", {197, 27}, kYellow);
        row("Text10 over Text4", "Form1", {60, 168}, kGreen);
        row("Text4 border below Text10", "Form1", {60, 169}, "!#80ff80");
        row("Command3 over Text15", "Form1", {560, 104}, "!#80ff80");
        row("Text1 over Picture1", "Form1", {396, 38}, kGreen);
        row("info ground", "info", {620, 20}, kGreen);
        row("Picture1 sketch", "info", {190, 150}, "#ff00ff");
        row("Picture2 over Picture1", "info", {196, 150}, "#00ffff");
        row("Picture1 bottom strip", "info", {100, 312}, kGreen);
        row("Picture2 right strip", "info", {533, 150}, kGreen);
        row("Picture2 cuts its picture", "info", {300, 296}, "#00ffff");
    }
    void pixels() {
        QFETCH(QString, window);
        QFETCH(QPoint, at);
        QFETCH(QString, colour);
        QWidget* w = test::freshWindow(kindOf(window));
        paintStandInPictures(w);
        const QColor actual = test::grabImage(w).pixelColor(at);
        if (colour.startsWith(u'!'))
            QVERIFY2(actual != QColor(colour.mid(1)), qPrintable(actual.name()));
        else
            QCOMPARE(actual.name(), colour);
    }

    // Each picture box shows its drawing unscaled at its top-left corner and
    // its ground beyond it, wherever no control lies in front.
    void pictures_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::newRow("antenna") << "Form1"
                                 << "Picture1"
                                 << ":/images/antenna.bmp" << QSize(400, 400);
        QTest::newRow("cage") << "info"
                              << "Picture1"
                              << ":/images/cage.bmp" << QSize(197, 200);
        QTest::newRow("feed point") << "info"
                                    << "Picture2"
                                    << ":/images/feedpoint.bmp" << QSize(338, 192);
    }
    void pictures() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        const QImage drawing(resource);
        QCOMPARE(drawing.size(), size);
        QWidget* w = test::freshWindow(kindOf(window));
        QWidget* picture = child(w, box);
        QSet<QPoint> linePixels;
        for (auto* line : picture->findChildren<ui::LineShape*>()) {
            for (QPoint p : ui::linePixels(line->line()))
                linePixels.insert(p);
        }
        const QImage image = test::grabImage(w);
        int compared = 0;
        for (int y = 0; y < picture->height(); ++y) {
            for (int x = 0; x < picture->width(); ++x) {
                const QPoint at = picture->pos() + QPoint(x, y);
                if (w->childAt(at) != picture || linePixels.contains({x, y}))
                    continue;
                const QColor expected = x < size.width() && y < size.height()
                                            ? drawing.pixelColor(x, y)
                                            : QColor(QLatin1String(kGreen));
                QCOMPARE(image.pixelColor(at), expected);
                ++compared;
            }
        }
        QVERIFY(compared > picture->width() * picture->height() / 2);
    }

    // The leaders of the feed-point detail, doubled by the line controls.
    void parallelLeaders_data() {
        QTest::addColumn<QPoint>("at"); // in the feed-point detail
        QTest::addColumn<QString>("colour");
        QTest::newRow("leader 2") << QPoint(292, 5) << "#000000";
        QTest::newRow("between leader 2 and Line8") << QPoint(294, 5) << "#808080";
        QTest::newRow("Line8") << QPoint(296, 5) << "#000000";
        QTest::newRow("leader 3") << QPoint(325, 58) << "#000000";
        QTest::newRow("Line7") << QPoint(329, 56) << "#000000";
    }
    void parallelLeaders() {
        QFETCH(QPoint, at);
        QFETCH(QString, colour);
        const QImage image = test::grabImage(test::freshWindow(ui::WindowKind::Info));
        QCOMPARE(image.pixelColor(at + QPoint(192, 112)).name(), colour);
    }

    // The web window and its labels share the dialog colour.
    void webGround() {
        QWidget* web = test::freshWindow(ui::WindowKind::Web);
        const QColor dialog = web->palette().color(QPalette::Window);
        QVERIFY(dialog.lightness() >= 200);
        const QImage image = test::grabImage(web);
        QCOMPARE(image.pixelColor(2, 2), dialog);
        QCOMPARE(image.pixelColor(180, 28), dialog); // inside Label1
    }

    // Resizing or maximising moves nothing; the extra area is the ground.
    void resizeMovesNothing() {
        QWidget* w = test::freshWindow(ui::WindowKind::Form1);
        w->resize(900, 700);
        for (const Row& r : kRows) {
            if (QLatin1String(r.window) == QLatin1String("Form1"))
                QCOMPARE(child(w, QLatin1String(r.name))->geometry(),
                         twips(r.left, r.top, r.width, r.height));
        }
        QCOMPARE(test::grabImage(w).pixelColor(880, 680).name(), QString(kGreen));
    }

    // A dark desktop theme leaves the windows' texts dark on green.
    void darkDesktopTheme_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::newRow("Form1.Text15") << "Form1"
                                      << "Text15";
        for (const char* note : {"Text4", "Text6", "Text8", "Text9"})
            QTest::addRow("info.%s", note) << "info" << note;
    }
    void darkDesktopTheme() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        const QPalette saved = QApplication::palette();
        QPalette dark(QColor(0xEE, 0xEE, 0xEE), QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        QApplication::setPalette(dark);
        QWidget* w = test::freshWindow(kindOf(window));
        QWidget* box = child(w, name);
        const QImage image = test::grabImage(w).copy(box->geometry());
        QApplication::setPalette(saved);
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        }
        QVERIFY2(darkest < 60, qPrintable(QString::number(darkest)));
        QCOMPARE(image.pixelColor(0, 0).name(), QString(kGreen));
        QCOMPARE(child(w, QStringLiteral("Command1"))->palette().color(QPalette::ButtonText),
                 QColor(Qt::black));
    }
};

DISCONE_UI_TEST_MAIN(LayoutPixelsTest)
#include "tst_layout_pixels.moc"
