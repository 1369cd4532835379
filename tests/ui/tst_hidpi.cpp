// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// At a scale factor of 2 the main window keeps its layout, doubled, and the
// antenna diagram is enlarged without blur: each of its pixels becomes a
// 2 x 2 block of the same colour.
#include "uitest.h"

using namespace discone;

class HiDpiTest : public QObject {
    Q_OBJECT

    QImage image;

private slots:
    void initTestCase() {
        QWidget* form = test::program().start();
        QCOMPARE(form->size(), QSize(655, 463));
        image = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.size(), QSize(1310, 926));
    }
    void cleanupTestCase() { test::closeAllWindows(); }

    void diagramWithoutBlur() {
        const QImage drawing(":/images/antenna.bmp");
        // A patch of the dithered ground inside the cone, and the disc bar.
        for (const QRect& patch : {QRect(290, 300, 20, 10), QRect(100, 33, 10, 8)}) {
            for (int y = patch.top(); y <= patch.bottom(); ++y) {
                for (int x = patch.left(); x <= patch.right(); ++x) {
                    const QColor expected = drawing.pixelColor(x, y);
                    for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                        QCOMPARE(image.pixelColor(2 * x + d.x(), 2 * (y + 24) + d.y()), expected);
                }
            }
        }
    }

    void layoutDoubled_data() {
        QTest::addColumn<QPoint>("at"); // window pixels at scale 1
        QTest::addColumn<QString>("colour");
        QTest::newRow("Text14 fill") << QPoint(484, 68) << "#ffe0c0";
        QTest::newRow("Text6 fill") << QPoint(373, 167) << "#ffff00";
        QTest::newRow("Line4") << QPoint(80, 312) << "#000000";
        QTest::newRow("Picture1 right strip") << QPoint(404, 200) << "#80ff80";
    }
    void layoutDoubled() {
        QFETCH(QPoint, at);
        QFETCH(QString, colour);
        for (QPoint d : {QPoint(0, 0), QPoint(1, 1)})
            QCOMPARE(image.pixelColor(2 * at + d).name(), colour);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    ui::Application app(argc, argv, "offscreen");
    HiDpiTest test;
    const int status = QTest::qExec(&test, argc, argv);
    test::programSlot().reset();
    return status;
}
#include "tst_hidpi.moc"
