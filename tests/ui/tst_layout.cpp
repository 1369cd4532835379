// The layout of the three windows against the designed tables: every
// control's place, kind, texts, colours, font, border, tab order and stacking;
// grabbed pixels of backgrounds, borders, overlaps and lines; the pictures;
// and the light look under a dark desktop theme.
#include "surface.h"
#include "uitest.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

using namespace discone;
using discone::test::child;
using discone::test::twips;

namespace {

const char* const kGreen = "#80ff80";
const char* const kBlue = "#0000ff";
const char* const kRed = "#ff0000";
const char* const kYellow = "#ffff00";

struct Row {
    const char* window;
    const char* container;
    const char* name;
    const char* kind; // button, single, multi, picture, label
    int left, top, width, height, tab;
    const char* background; // nullptr: the light palette's
    const char* text;       // nullptr: the light palette's (black)
    double points;
    const char* style; // b bold, i italic, u underline, B bordered
    const char* caption;
};

// clang-format off
const Row kRows[] = {
    {"Form1", "Form1", "WEBSITE", "button", 6960, 6480, 1455, 375, 22, nullptr, nullptr, 8.25, "", "WEBSITE"},
    {"Form1", "Form1", "Command3", "button", 7440, 1560, 1215, 495, 21, nullptr, nullptr, 8.25, "", "CALCULATE CM"},
    {"Form1", "Form1", "Command2", "button", 8760, 1680, 735, 375, 20, nullptr, nullptr, 8.25, "", "INFO"},
    {"Form1", "Form1", "Text16", "multi", 6240, 2280, 3375, 4095, 17, kGreen, kBlue, 8.25, "",
     "DISCONES ARE AN EXCELLENT\r\nOMNIDIRECTIONAL ANTENNA.\r\nTHEY CAN TRANSMIT AT 3 TO 4 \r\n"
     "TIMES THE  DESIGN FREQUENCY\r\nAND RECEIVE UP TO 10 TIMES \r\nTHAT OF THE DESIGN. THEY HAVE \r\n"
     "A VERY HIGH RADIATION\r\nAPPROACHING THAT OF AN IDEAL \r\nDIPOLE IN FREE SPACE,COMPARED\r\n"
     "TO MOST VERTICALS THAT ARE \r\nACTUALLY NEGATIVE DB. THEY \r\nDO THIS  AT  A  DESIRABLE LOW\r\n"
     "ANGLE OF RADIATION. THEY CAN\r\nBE MOUNTED CLOSE TO THE \r\nGROUND. ALTHOUGH USED \r\n"
     "MAINLY FOR VHF/UHF, TOWERS\r\nHAVE BEEN USED TO SUPPORT HF\r\nVERSIONS. MANY COMMERCIAL\r\n"
     "MODELS CAN BE SEEN AT POLICE,\r\nFIRE AND OTHER PUBLIC SERVICES.\r\n"},
    {"Form1", "Form1", "Command1", "button", 6240, 1200, 1095, 855, 16, nullptr, nullptr, 8.25, "", "CALCULATE Inches "},
    {"Form1", "Form1", "Text15", "multi", 7560, 720, 2175, 855, 15, kGreen, nullptr, 9.75, "", "INPUT LOWEST\r\nFREQUENCY IN\r\nMEGAHERTZ\r\n"},
    {"Form1", "Form1", "Text14", "single", 6240, 720, 1095, 375, 14, "#ffe0c0", kRed, 12, "bB", "000.00"},
    {"Form1", "Form1", "Text8", "single", 2040, 120, 1695, 285, 8, kGreen, kBlue, 8.25, "", "DISC DIAMETER"},
    {"Form1", "Form1", "Text1", "single", 5880, 120, 4095, 495, 1, kGreen, kBlue, 13.5, "bi", "DISCONES by ZORVAL"},
    {"Form1", "Form1", "Picture1", "picture", 0, 360, 6135, 6375, 0, kGreen, nullptr, 0, "", ""},
    {"Form1", "Picture1", "Text18", "single", 3360, 4200, 855, 285, 19, kYellow, kRed, 8.25, "B", "000.00"},
    {"Form1", "Picture1", "Text17", "multi", 1920, 3960, 1335, 975, 18, kGreen, kBlue, 8.25, "", "MAXIMUM  MESH\r\nSPACING FOR\r\nLARGE WIRE \r\nCONES\r\n"},
    {"Form1", "Picture1", "Text13", "multi", 4440, 2280, 1095, 735, 13, kGreen, kBlue, 8.25, "", "HEIGHT TO\r\nBOTTOM\r\nOF DISC\r\n"},
    {"Form1", "Picture1", "Text12", "single", 2040, 5760, 1695, 285, 12, kGreen, kBlue, 8.25, "", "SKIRT DIAMETER"},
    {"Form1", "Picture1", "Text11", "multi", 2160, 3000, 1095, 495, 11, kGreen, kBlue, 8.25, "", "MINIMUM\r\nDIAMETER\r\n"},
    {"Form1", "Picture1", "Text10", "multi", 360, 1680, 975, 495, 10, kGreen, kBlue, 8.25, "", "SIDE\r\nLENGTH\r\n"},
    {"Form1", "Picture1", "Text9", "single", 3960, 1200, 1095, 285, 9, kGreen, kBlue, 8.25, "", "SPACING"},
    {"Form1", "Picture1", "Text7", "single", 2400, 5400, 735, 285, 7, kYellow, kRed, 8.25, "B", "000.00"},
    {"Form1", "Picture1", "Text6", "single", 4920, 1920, 735, 285, 6, kYellow, kRed, 8.25, "B", "000.00"},
    {"Form1", "Picture1", "Text5", "single", 2280, 2640, 735, 285, 5, kYellow, kRed, 8.25, "B", "000.00"},
    {"Form1", "Picture1", "Text4", "single", 720, 2160, 735, 285, 4, kYellow, kRed, 8.25, "B", "000.00"},
    {"Form1", "Picture1", "Text3", "single", 3960, 840, 615, 285, 3, kYellow, kRed, 8.25, "B", "00.00"},
    {"Form1", "Picture1", "Text2", "single", 2280, 0, 735, 285, 2, kYellow, kRed, 8.25, "B", "000.00"},
    {"info", "info", "Command1", "button", 4200, 480, 1455, 495, 10, nullptr, nullptr, 8.25, "", "RETURN"},
    {"info", "info", "Text9", "multi", 240, 5400, 9375, 735, 9, kGreen, nullptr, 8.25, "",
     "THIS WORKS TO SOME DEGREE, BUT TRANSMITTING DISCONES SHOULD ALWAYS FILL THE DISC AND\r\n"
     "CONE AS SOLID AS POSSIBLE WITH MAXIMUM SPACES BEING NO LARGER THAN RECOMMENDED IN\r\n"
     "THE PROGRAM \" MAX MESH SIZE\"\r\n"},
    {"info", "info", "Text8", "multi", 240, 4920, 4575, 495, 8, kGreen, nullptr, 8.25, "", "RECEIVING DISCONES SOMETIMES REPLACE THE\r\nDISC AND CONES WITH 3 OR 4 RADIAL LIKE WIRES.\r\n"},
    {"info", "info", "Text6", "single", 4920, 4680, 2415, 285, 7, kGreen, nullptr, 8.25, "", "SO-239 COAX CONNECTOR"},
    {"info", "info", "Text5", "single", 7560, 4560, 1215, 375, 6, kGreen, kBlue, 8.25, "", "CONE PLATE"},
    {"info", "info", "Text4", "multi", 6480, 720, 2895, 495, 5, kGreen, nullptr, 8.25, "", "SCREWS OR BOLTS MUST NOT\r\nSHORT OUT THE DISC AND CONE\r\n"},
    {"info", "info", "Text3", "multi", 8160, 2640, 1215, 615, 4, kGreen, kBlue, 8.25, "", "INSULATED SPACER\r\n"},
    {"info", "info", "Text2", "single", 4560, 1320, 2295, 255, 3, kGreen, kBlue, 8.25, "", "DISK OR WIRE CAGE"},
    {"info", "info", "Text1", "multi", 120, 120, 3255, 975, 2, kGreen, kBlue, 8.25, "",
     "SOLID DISC FOR SMALL ANTENNAS\r\nOR WIRE UMBRELLA LIKE CAGE FOR\r\nLARGER. A NONMETALIC MAST AND\r\n"
     "GUYS MAY BE USED TO SUPPORT\r\nTHE CAGE\r\n"},
    {"info", "info", "Picture2", "picture", 2880, 1680, 5175, 2775, 1, kGreen, nullptr, 0, "", ""},
    {"info", "info", "Picture1", "picture", 0, 1680, 3015, 3015, 0, kGreen, nullptr, 0, "", ""},
    {"web", "web", "lblWebPage", "label", 525, 1335, 2205, 255, 2, nullptr, kBlue, 8.25, "u", "https://www.zorval.example"},
    {"web", "web", "Label2", "label", 450, 750, 2490, 345, 1, nullptr, nullptr, 8.25, "", "Click Link Below to "},
    {"web", "web", "Label1", "label", 525, 75, 2265, 390, 0, nullptr, nullptr, 8.25, "", "The link will be opened in your default browser."},
};

struct LineRow {
    const char* window;
    const char* container;
    const char* name;
    int x1, y1, x2, y2;   // twips, in the container
    QPoint on, off, off2; // window pixels: drawn; hidden or beyond an end (null: none)
};

const LineRow kLines[] = {
    {"Form1", "Picture1", "Line4", 720, 4320, 1800, 4320, {48, 312}, {47, 312}, {121, 312}},
    {"Form1", "Picture1", "Line3", 1560, 4080, 1440, 5040, {104, 296}, {104, 295}, {96, 361}},
    {"Form1", "Picture1", "Line2", 1200, 3960, 720, 5040, {48, 360}, {80, 287}, {48, 361}},
    {"Form1", "Picture1", "Line1", 600, 4680, 1800, 4680, {120, 336}, {39, 336}, {121, 336}},
    {"info", "Picture2", "Line13", 2160, 1440, 1560, 2520, {336, 208}, {296, 281}, {}},
    {"info", "Picture2", "Line11", 2640, 2640, 2640, 2880, {368, 288}, {368, 287}, {}},
    {"info", "Picture2", "Line10", 4440, 2280, 4920, 2880, {488, 264}, {}, {}},
    {"info", "Picture2", "Line8", 4440, 120, 4440, 0, {488, 112}, {488, 121}, {}},
    {"info", "Picture2", "Line7", 4800, 840, 5160, 840, {536, 168}, {511, 168}, {}},
    {"info", "Picture2", "Line6", 960, 240, 1320, 0, {256, 128}, {255, 129}, {}},
    {"info", "info", "Line12", 5520, 4680, 5520, 4440, {368, 304}, {368, 312}, {}},
    {"info", "info", "Line9", 7440, 1920, 7440, 1200, {496, 100}, {496, 80}, {496, 112}},
    {"info", "info", "Line5", 1680, 1560, 1320, 1080, {112, 104}, {88, 72}, {}},
    {"info", "info", "Line4", 1080, 1560, 1320, 1080, {72, 104}, {88, 72}, {}},
    {"info", "info", "Line3", 2280, 1680, 1320, 1080, {120, 92}, {152, 112}, {}},
    {"info", "info", "Line2", 480, 1680, 1320, 1080, {60, 92}, {32, 112}, {}},
    {"info", "info", "Line1", 1320, 1560, 1320, 1080, {88, 90}, {88, 72}, {}},
};
// clang-format on

ui::WindowKind kindOf(const QString& window) {
    if (window == QLatin1String("Form1"))
        return ui::WindowKind::Form1;
    return window == QLatin1String("info") ? ui::WindowKind::Info : ui::WindowKind::Web;
}

const Row* findRow(const QString& window, const QString& name) {
    for (const Row& r : kRows) {
        if (window == QLatin1String(r.window) && name == QLatin1String(r.name))
            return &r;
    }
    return nullptr;
}

// Stand-in pictures of the drawings' sizes in colours the drawings never
// use, so that every pixel of a grab tells which layer shows.
void paintStandInPictures(QWidget* window) {
    const bool form1 = window->objectName() == QLatin1String("Form1");
    const struct {
        const char* name;
        QSize size;
        QColor colour;
    } standIns[] = {{"Picture1", form1 ? QSize(400, 400) : QSize(197, 200), Qt::magenta},
                    {"Picture2", {338, 192}, Qt::cyan}};
    for (const auto& s : standIns) {
        if (auto* box = child<ui::Surface>(window, QLatin1String(s.name))) {
            QImage pixmap(s.size, QImage::Format_RGB32);
            pixmap.fill(s.colour);
            box->setPicture(pixmap);
        }
    }
}

} // namespace

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

    // A dark desktop theme leaves the designed texts dark on green.
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

DISCONE_UI_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
