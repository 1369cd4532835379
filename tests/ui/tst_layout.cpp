// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The layout of the three windows against layout_tables.h: every
// control's place, kind, texts, colours, font, border, tab order, stacking
// and lines.
#include "builder.h"
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

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { test::closeAllWindows(); }
    void cleanupTestCase() { test::closeAllWindows(); }

    void windows_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("client");
        QTest::newRow("Form1") << "Form1"
                               << "DISCONE" << QSize(655, 463);
        QTest::newRow("info") << "info"
                              << "Form2" << QSize(625, 421);
        QTest::newRow("web") << "web"
                             << "Web Page Link" << QSize(221, 123);
    }
    void windows() {
        QFETCH(QString, window);
        QWidget* w = test::freshWindow(kindOf(window));
        QCOMPARE(w->objectName(), window);
        QFETCH(QString, title);
        QCOMPARE(w->windowTitle(), title);
        QFETCH(QSize, client);
        QCOMPARE(w->size(), client);
        QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
    }

    void controls_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        for (const Row& r : kRows)
            QTest::addRow("%s.%s", r.window, r.name) << r.window << r.name;
    }
    void controls() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        const Row& row = *findRow(window, name);
        QWidget* w = child(test::freshWindow(kindOf(window)), name);
        QVERIFY(w != nullptr);
        QCOMPARE(w->parentWidget()->objectName(), QLatin1String(row.container));
        QCOMPARE(w->geometry(), twips(row.left, row.top, row.width, row.height));
        const QString kind = QLatin1String(row.kind);
        const QString style = QLatin1String(row.style);
        const QPalette pal = w->palette();
        const QColor black(Qt::black);
        if (kind == QLatin1String("picture")) {
            auto* box = qobject_cast<ui::Surface*>(w);
            QVERIFY(box != nullptr);
            QCOMPARE(box->background(), QColor(QLatin1String(row.background)));
            return;
        }
        const QFont font = w->font();
        QCOMPARE(font.pixelSize(), qRound(row.points * 96 / 72));
        QCOMPARE(font.bold(), style.contains(u'b'));
        QCOMPARE(font.italic(), style.contains(u'i'));
        QCOMPARE(font.underline(), style.contains(u'u'));
        QVERIFY2(QStringList({"Tahoma", "MS Sans Serif", "Microsoft Sans Serif"})
                     .contains(QFontInfo(font).family()),
                 qPrintable(QFontInfo(font).family()));
        const QString caption = QString::fromUtf8(row.caption);
        if (kind == QLatin1String("button")) {
            auto* button = qobject_cast<QPushButton*>(w);
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), caption);
            QVERIFY(!button->isDefault() && !button->autoDefault());
            QCOMPARE(pal.color(QPalette::ButtonText), black);
            QVERIFY(pal.color(QPalette::Button).lightness() >= 200);
            return;
        }
        const QColor fill =
            row.background ? QColor(QLatin1String(row.background)) : QColor(Qt::white);
        const QColor ink = row.text ? QColor(QLatin1String(row.text)) : black;
        if (kind == QLatin1String("label")) {
            auto* label = qobject_cast<QLabel*>(w);
            QVERIFY(label != nullptr);
            QCOMPARE(label->text(), caption);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QCOMPARE(pal.color(QPalette::WindowText), ink);
            QCOMPARE(pal.color(QPalette::Window), w->window()->palette().color(QPalette::Window));
            return;
        }
        QCOMPARE(pal.color(QPalette::Base), fill);
        QCOMPARE(pal.color(QPalette::Text), ink);
        QVERIFY(w->isEnabled() && (w->focusPolicy() & Qt::TabFocus));
        QVERIFY(!w->accessibleName().isEmpty());
        if (kind == QLatin1String("single")) {
            auto* box = qobject_cast<QLineEdit*>(w);
            QVERIFY(box != nullptr && !box->isReadOnly());
            QCOMPARE(box->text(), caption);
            QCOMPARE(box->hasFrame(), style.contains(u'B'));
            // The whole text fits inside the frame with a classic 1-px margin.
            const int frame = box->hasFrame() ? 4 : 0;
            QVERIFY(QFontMetrics(font).horizontalAdvance(caption) + 2 <= w->width() - frame);
        } else {
            auto* box = qobject_cast<QTextEdit*>(w);
            QVERIFY(box != nullptr && !box->isReadOnly());
            QCOMPARE(box->toPlainText(), QString(caption).replace("\r\n", "\n"));
            QCOMPARE(box->frameShape(), QFrame::NoFrame);
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            // Every line of text shows whole: none runs past the side or the
            // bottom (the empty line after a final line break may).
            for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
                const QTextLayout* layout = b.layout();
                for (int i = 0; i < layout->lineCount() && !b.text().isEmpty(); ++i) {
                    const QTextLine line = layout->lineAt(i);
                    QVERIFY(line.naturalTextWidth() <= box->viewport()->width() - 2);
                    QVERIFY(layout->position().y() + line.y() + line.ascent() + line.descent() <=
                            box->viewport()->height());
                }
            }
        }
    }

    void tabOrder_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("Form1") << "Form1";
        QTest::newRow("info") << "info";
    }
    void tabOrder() {
        QFETCH(QString, window);
        std::vector<std::pair<int, QString>> stops;
        for (const Row& r : kRows) {
            if (window == QLatin1String(r.window))
                stops.emplace_back(r.tab, QLatin1String(r.name));
        }
        std::sort(stops.begin(), stops.end());
        // The lowest tab index, the picture box, has the focus at first.
        QWidget* w = test::freshWindow(kindOf(window));
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget()->objectName(), stops.front().second);
        for (size_t i = 1; i <= stops.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), stops[i % stops.size()].second);
        }
    }

    // Within each container the widgets lie front to back as the table lists them.
    void stacking_data() { tabOrder_data(); }
    void stacking() {
        QFETCH(QString, window);
        QWidget* w = test::freshWindow(kindOf(window));
        for (const QString& container : {window, QStringLiteral("Picture1")}) {
            QStringList expected;
            for (const Row& r : kRows) {
                if (window == QLatin1String(r.window) && container == QLatin1String(r.container))
                    expected << QLatin1String(r.name);
            }
            QWidget* parent = container == window ? w : child(w, container);
            QStringList frontToBack;
            for (QObject* o : parent->children()) {
                if (o->isWidgetType())
                    frontToBack.prepend(o->objectName());
            }
            QCOMPARE(frontToBack, expected);
        }
    }

    void lines_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kLines)); ++i)
            QTest::addRow("%s.%s", kLines[i].window, kLines[i].name) << i;
    }
    void lines() {
        QFETCH(int, index);
        const LineRow& l = kLines[index];
        QWidget* w = test::freshWindow(kindOf(QLatin1String(l.window)));
        auto* shape = child<ui::LineShape>(w, QLatin1String(l.name));
        QVERIFY(shape != nullptr);
        QCOMPARE(shape->parent()->objectName(), QLatin1String(l.container));
        QCOMPARE(shape->line(), QLine(l.x1 / 15, l.y1 / 15, l.x2 / 15, l.y2 / 15));
        paintStandInPictures(w);
        const QImage image = test::grabImage(w);
        QCOMPARE(image.pixelColor(l.on), QColor(Qt::black));
        for (QPoint p : {l.off, l.off2}) {
            if (!p.isNull())
                QVERIFY2(image.pixelColor(p) != QColor(Qt::black),
                         qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
        }
    }
};

DISCONE_UI_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
