// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window parts on their own: the bitmap reader against Qt's own reader,
// line pixels, caption wrapping, and the program icon.
#include "bitmap.h"
#include "controls.h"
#include "look.h"
#include "surface.h"
#include "uitest.h"

#include <QBuffer>

using namespace discone;

namespace {

QByteArray asBmp(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return data;
}

QImage pattern(QImage::Format format, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x * 7 + y * 3) % 5 < 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    image.setPixel(0, 0, qRgb(0x12, 0x34, 0x56)); // one colour a mono image loses
    return image.convertToFormat(format);
}

} // namespace

class PartsTest : public QObject {
    Q_OBJECT

private slots:
    // Every pixel as Qt's reader has it; rows whose width needs padding.
    void bitmapMatchesQtReader_data() {
        QTest::addColumn<QByteArray>("data");
        for (const char* name : {"antenna", "cage", "feedpoint"}) {
            QFile file(QStringLiteral(":/images/%1.bmp").arg(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::newRow(name) << file.readAll();
        }
        QTest::newRow("1 bit, 13 wide") << asBmp(pattern(QImage::Format_Mono, {13, 5}));
        QTest::newRow("8 bits, 7 wide") << asBmp(pattern(QImage::Format_Indexed8, {7, 4}));
        QTest::newRow("24 bits, 5 wide") << asBmp(pattern(QImage::Format_RGB32, {5, 3}));
    }
    void bitmapMatchesQtReader() {
        QFETCH(QByteArray, data);
        const QImage expected = QImage::fromData(data, "BMP").convertToFormat(QImage::Format_RGB32);
        QVERIFY(!expected.isNull());
        QCOMPARE(ui::decodeBitmap(data), expected);
    }

    void bitmapRows() {
        // 2 x 2, 24 bits, top-down (negative height): blue, green / red, white.
        QByteArray data("BM", 2);
        const auto put32 = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i)
                data.append(char((v >> (8 * i)) & 0xFF));
        };
        for (uint32_t v : {70u, 0u, 54u, 40u, 2u, uint32_t(-2)})
            put32(v);
        data.append("\x01\x00\x18\x00", 4); // one plane, 24 bits
        for (uint32_t v : {0u, 16u, 0u, 0u, 0u, 0u})
            put32(v);
        data.append("\xFF\x00\x00\x00\xFF\x00\x00\x00", 8);
        data.append("\x00\x00\xFF\xFF\xFF\xFF\x00\x00", 8);
        const QImage image = ui::decodeBitmap(data);
        QCOMPARE(image.size(), QSize(2, 2));
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(0, 1), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
        QVERIFY(ui::decodeBitmap(data.left(60)).isNull()); // truncated
        data[30] = 1;                                      // run-length compressed
        QVERIFY(ui::decodeBitmap(data).isNull());
        QVERIFY(ui::decodeBitmap("not a bitmap").isNull());
    }

    void linePixels_data() {
        QTest::addColumn<QLine>("line");
        QTest::addColumn<QList<QPoint>>("pixels");
        QTest::newRow("point") << QLine(3, 4, 3, 4) << QList<QPoint>{{3, 4}};
        QTest::newRow("upwards, both ends")
            << QLine(5, 2, 5, 0) << QList<QPoint>{{5, 2}, {5, 1}, {5, 0}};
        QTest::newRow("leftwards") << QLine(2, 1, 0, 1) << QList<QPoint>{{2, 1}, {1, 1}, {0, 1}};
        // The nearest pixel to the exact line in each column.
        QTest::newRow("slope 1/3")
            << QLine(0, 0, 6, 2)
            << QList<QPoint>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}};
    }
    void linePixels() {
        QFETCH(QLine, line);
        QFETCH(QList<QPoint>, pixels);
        const std::vector<QPoint> actual = ui::linePixels(line);
        QCOMPARE(QList<QPoint>(actual.begin(), actual.end()), pixels);
    }

    void wrapAtBlanks_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width"); // in widths of "M"
        QTest::addColumn<QString>("wrapped");
        QTest::newRow("fits") << "CALCULATE CM" << 40 << "CALCULATE CM";
        QTest::newRow("two lines, trailing blank")
            << "CALCULATE Inches " << 9 << "CALCULATE\nInches";
        QTest::newRow("long word alone") << "ABCDEFGHIJKL X" << 3 << "ABCDEFGHIJKL\nX";
    }
    void wrapAtBlanks() {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(QString, wrapped);
        const QFontMetrics metrics(ui::classicFont({}));
        QCOMPARE(ui::wrapAtBlanks(caption, metrics, width * metrics.horizontalAdvance(u'M')),
                 wrapped);
    }

    void programIcon() {
        const QIcon icon = QApplication::windowIcon();
        for (int side : {16, 32, 48, 256}) {
            QVERIFY(icon.availableSizes().contains(QSize(side, side)));
            const QString file = QStringLiteral(":/images/discone-%1.png").arg(side);
            QCOMPARE(icon.pixmap(side).toImage().convertToFormat(QImage::Format_ARGB32),
                     QImage(file).convertToFormat(QImage::Format_ARGB32));
        }
        QCOMPARE(icon.pixmap(20).size(), QSize(20, 20));
    }
};

DISCONE_UI_TEST_MAIN(PartsTest)
#include "tst_controls_and_images.moc"
