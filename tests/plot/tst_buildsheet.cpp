// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The build sheet: its paper by country, and what a hand-made prediction's
// sheet says, read back with pdftotext (poppler-utils): each result beside
// its name, the rods' lengths worked out by hand, the hub, the tuning line,
// the date and the version.
#include "buildsheet.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

using namespace discone;

namespace {

// The main window's captions, in its order (ui/form1.cpp).
const char* const kNames[] = {"HEIGHT TO BOTTOM OF DISC",
                              "SIDE LENGTH",
                              "SPACING",
                              "DISC DIAMETER",
                              "MINIMUM DIAMETER",
                              "MAXIMUM MESH SPACING FOR LARGE WIRE CONES",
                              "SKIRT DIAMETER"};

// A disc 10 in across on a top 1 in across, cone wires of 0.5 m: in
// centimetres the disc's rods run from 1.27 to 12.7 cm, 11.43 cm, or from
// a hub 4 cm across, 12.7 - 2 = 10.7 cm.
study::Prediction prediction(double hubMetres) {
    study::Prediction p;
    p.design.unit = Unit::Centimetres;
    p.design.dimensions.LowestFrequency = 146;
    p.design.dimensions.DiscDiameter = 10;
    p.design.dimensions.MinimumDiameter = 1;
    p.title = "Discone for 146 MHz (centimetres): 16 rods of 2 mm";
    p.summary = {"SWR first below 2 at 150.000 MHz"};
    p.sweep.designMHz = 146;
    p.sweep.points = {{146, {75, 0}, 1.5}, {1460, {50, 0}, 1.0}};
    p.sweep.coneWireLength = 0.5;
    p.sweep.hubDiameter = hubMetres;
    return p;
}

QString pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class BuildSheet : public QObject {
    Q_OBJECT
private slots:
    // glibc's locales print on Letter in these countries and on A4 elsewhere.
    void paperOfTheCountry_data() {
        QTest::addColumn<QString>("country");
        QTest::addColumn<int>("paper");
        QTest::newRow("US") << "US" << int(QPageSize::Letter);
        QTest::newRow("ca") << "ca" << int(QPageSize::Letter);
        QTest::newRow("MX") << "MX" << int(QPageSize::Letter);
        QTest::newRow("PH") << "PH" << int(QPageSize::Letter);
        QTest::newRow("CL") << "CL" << int(QPageSize::Letter);
        QTest::newRow("DE") << "DE" << int(QPageSize::A4);
        QTest::newRow("GB") << "GB" << int(QPageSize::A4);
        QTest::newRow("JP") << "JP" << int(QPageSize::A4);
        QTest::newRow("none") << "" << int(QPageSize::A4);
        QTest::newRow("not a code") << "USA" << int(QPageSize::A4);
    }
    void paperOfTheCountry() {
        QFETCH(QString, country);
        QFETCH(int, paper);
        QCOMPARE(int(plot::paperOfCountry(country.toStdString())), paper);
    }

    // A4 is 210 by 297 mm, 595.3 by 841.9 points; Letter 8.5 by 11 in,
    // 612 by 792 points.
    void sheetSaysWhatToCut_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<QSizeF>("points");
        QTest::addColumn<double>("hub");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("tuning");
        QTest::addColumn<QStringList>("texts"); // patterns
        QTest::newRow("A4, no hub, German")
            << int(QPageSize::A4) << QSizeF(595.3, 841.9) << 0.0 << true << QString()
            << QStringList{"Cone rods +50 cm ", "Disc rods +11,43 cm ", "Hub +none "};
        QTest::newRow("Letter, hub, tuned")
            << int(QPageSize::Letter) << QSizeF(612, 792) << 0.04 << false
            << "for SWR below 2 from 146 MHz, cut for 128.73 MHz"
            << QStringList{"Cone rods +50 cm ", "Disc rods +10\\.7 cm ", "Hub +4 cm ",
                           "For SWR below 2 from 146 MHz, cut for 128\\.73 MHz"};
    }
    void sheetSaysWhatToCut() {
        QFETCH(int, paper);
        QFETCH(QSizeF, points);
        QFETCH(double, hub);
        QFETCH(bool, comma);
        QFETCH(QString, tuning);
        QFETCH(QStringList, texts);
        plot::SheetFacts facts;
        for (std::size_t i = 0; i < kDimensionCount; ++i)
            facts.texts[static_cast<Dimension>(i)] = "text" + std::to_string(i);
        facts.tuning = tuning.toStdString();
        facts.date = QDate(2026, 1, 2);
        facts.version = "9.8.7";
        facts.paper = QPageSize::PageSizeId(paper);
        plot::Reader reader;
        reader.separators = comma ? Separators{",", "."} : Separators{".", ""};
        const std::string pdf = plot::buildSheet(prediction(hub), facts, reader, "sheet.pdf");

        const QRegularExpression box(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])");
        const QRegularExpressionMatch size = box.match(QString::fromLatin1(pdf));
        QVERIFY(size.hasMatch());
        QVERIFY(std::abs(size.captured(1).toDouble() - points.width()) < 1);
        QVERIFY(std::abs(size.captured(2).toDouble() - points.height()) < 1);

        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the sheet's text is not read back");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
        std::ofstream(file.toStdString(), std::ios::binary) << pdf;
        const QString text = pdfText(file);
        // Each result on the line of its own name, in the window's order.
        qsizetype at = 0;
        for (std::size_t i = 0; i < kDimensionCount; ++i) {
            const QRegularExpression row(QStringLiteral("%1 +text%2\n").arg(kNames[i]).arg(i));
            const QRegularExpressionMatch m = row.match(text, at);
            QVERIFY2(m.hasMatch(), kNames[i]);
            at = m.capturedEnd();
        }
        for (const QString& part : texts)
            QVERIFY2(text.contains(QRegularExpression(part)), qPrintable(part));
        QVERIFY(text.contains("discone 9.8.7 on 2026-01-02"));
        QVERIFY2(text.contains("SWR first below 2 at 150.000 MHz"), qPrintable(text));
    }
};

QTEST_APPLESS_MAIN(BuildSheet)
#include "tst_buildsheet.moc"
