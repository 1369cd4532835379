// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's command line, run as a process with no display at all: the
// dimensions, its failures, its usage errors, help and version, and which
// arguments open the windows. The model options are in tst_cli_model.cpp.
#include "clirun.h"

#include <QDir>
#include <QTest>

namespace {

const QStringList kKeys = {"height-to-disc",   "side-length",  "disc-spacing",  "disc-diameter",
                           "minimum-diameter", "mesh-spacing", "skirt-diameter"};
// 146 MHz in the order of kKeys: the program's known results for 146 MHz.
const QStringList kInches146 = {"19.41096", "22.4164",          "0.2",     "15.68937",
                                "0.67",     "1.61753424657534", "22.41339"};
const QStringList kCm146 = {"49.303836479187",  "56.937663154602",  "0.512438970208168",
                            "39.8510098838806", "1.70812990069389", "4.10853698630136",
                            "56.9300134277344"};

QStringList withComma(const QStringList& texts) {
    QStringList out;
    for (QString text : texts)
        out << text.replace('.', ',');
    return out;
}

// The texts of -146: every dimension negative, the mesh spacing solid.
QStringList negated(const QStringList& texts, const QString& solid) {
    QStringList out;
    for (const QString& text : texts)
        out << (out.size() == kKeys.indexOf("mesh-spacing") ? solid : "-" + text);
    return out;
}

using discone::test::run;
using discone::test::Run;

} // namespace

class CliTest : public QObject {
    Q_OBJECT

private slots:
    void calculates_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<QStringList>("texts");
        const QStringList c{"LC_ALL=C.UTF-8"};
        QTest::newRow("inches") << QStringList{"--inches", "146"} << c << kInches146;
        QTest::newRow("inches after =") << QStringList{"--inches=146"} << c << kInches146;
        QTest::newRow("cm") << QStringList{"--cm", "146"} << c << kCm146;
        QTest::newRow("cm after =") << QStringList{"--cm=146"} << c << kCm146;
        QTest::newRow("negative value")
            << QStringList{"--cm", "-146"} << c << negated(kCm146, "solid");
        QTest::newRow("negative after =")
            << QStringList{"--inches=-146"} << c << negated(kInches146, "SOLID");
        // The user's locale, as the window takes it: LC_ALL, then LC_NUMERIC,
        // then LANG. In German the comma is the decimal separator.
        const QString de = QStringLiteral("de_DE.UTF-8");
        QTest::newRow("LC_ALL comma") << QStringList{"--inches", "146"}
                                      << QStringList{"LC_ALL=" + de} << withComma(kInches146);
        QTest::newRow("LC_NUMERIC comma")
            << QStringList{"--cm", "1.46"} << QStringList{"LC_NUMERIC=" + de, "LANG=C"}
            << withComma(kCm146);
        QTest::newRow("LANG comma")
            << QStringList{"--cm", "146,0"} << QStringList{"LANG=" + de} << withComma(kCm146);
        QTest::newRow("LC_ALL over LANG")
            << QStringList{"--inches", "1,46"} << QStringList{"LC_ALL=C.UTF-8", "LANG=" + de}
            << kInches146;
    }
    void calculates() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, locale);
        QFETCH(QStringList, texts);
        QString expected;
        for (qsizetype i = 0; i < kKeys.size(); ++i)
            expected += kKeys[i] + '\t' + texts[i] + '\n';
        const Run r = run(args, locale);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, expected);
        QCOMPARE(r.status, 0);
    }

    // One line: the kind, then what is wrong with FREQ as given, with
    // control characters escaped; no word of the windows.
    void calculationFails_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("line");
        QTest::newRow("type mismatch")
            << QStringList{"--inches", "12 MHz"}
            << "discone: type mismatch: '12 MHz' is not a number of megahertz, such as 146";
        QTest::newRow("division by zero")
            << QStringList{"--cm", "000.00"}
            << "discone: division by zero: '000.00' is zero; give a number of megahertz other "
               "than zero, such as 146";
        QTest::newRow("overflow")
            << QStringList{"--inches=1E-40"}
            << "discone: overflow: '1E-40' is too large or too small a frequency to calculate "
               "with; give a number of megahertz such as 146";
        QTest::newRow("control characters")
            << QStringList{"--cm", "14\x1b[2J6\n\\"}
            << "discone: type mismatch: '14\\x1b[2J6\\n\\\\' is not a number of megahertz, "
               "such as 146";
    }
    void calculationFails() {
        QFETCH(QStringList, args);
        QFETCH(QString, line);
        const Run r = run(args);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, line + '\n');
        QCOMPARE(r.status, 1);
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unknown option")
            << QStringList{"-platform", "offscreen", "--metres", "146"} << "'--metres'";
        QTest::newRow("mistyped option") << QStringList{"--inch", "146"} << "'--inches'";
        QTest::newRow("bogus option") << QStringList{"--bogus"} << "'--bogus'";
        QTest::newRow("Qt's option with the command line's")
            << QStringList{"-platform", "offscreen", "--cm", "146"} << "'-platform'";
        QTest::newRow("missing value") << QStringList{"--cm"} << "'--cm'";
        QTest::newRow("missing value after a calculation")
            << QStringList{"--inches", "146", "--cm"} << "'--cm'";
        QTest::newRow("both units") << QStringList{"--inches", "146", "--cm=146"} << "--inches";
        QTest::newRow("one unit twice") << QStringList{"--cm=1", "--cm=2"} << "--cm";
        QTest::newRow("neither unit") << QStringList{"--"} << "--inches";
        QTest::newRow("stray argument") << QStringList{"146"} << "'146'";
        QTest::newRow("stray after a calculation")
            << QStringList{"--inches", "146", "MHz"} << "'MHz'";
        QTest::newRow("value for --version") << QStringList{"--version=2"} << "'--version'";
    }
    void usageErrors() {
        QFETCH(QStringList, args);
        QFETCH(QString, problem);
        const Run r = run(args);
        QCOMPARE(r.out, QString());
        const QStringList lines = r.err.split('\n');
        QCOMPARE(lines.size(), 3); // two lines, each ended
        QVERIFY2(lines[0].startsWith("discone: ") && lines[0].contains(problem),
                 qPrintable(lines[0]));
        QCOMPARE(lines[1], "Try 'discone --help' for more information.");
        QCOMPARE(r.status, 2);
    }

    // Without a display the windows cannot open: one line that says so and
    // points to the command line, status 1, and no abort.
    void noDisplay() {
        const Run r = run({});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.startsWith("discone: no window can be opened") &&
                     r.err.contains("xcb;wayland") && r.err.contains("discone --help"),
                 qPrintable(r.err));
        QCOMPARE(r.out, QString());
    }

    // The output cannot be written: one line, status 1.
    void outputUnwritable() {
        QProcess process;
        process.setProcessEnvironment(discone::test::environment({"LC_ALL=C.UTF-8"}));
        process.setStandardOutputFile("/dev/full");
        process.start(QStringLiteral(DISCONE_PROGRAM), {"--cm", "146"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 "discone: the output cannot be written: No space left on device\n");
    }

    // Qt's own options open the windows: the program runs until it is ended.
    void qtOptionsOpenTheWindows() {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(DISCONE_PROGRAM),
                      {"-platform", "offscreen", "-style", "Fusion"});
        QVERIFY(process.waitForStarted());
        QVERIFY2(!process.waitForFinished(1500), process.readAllStandardError().constData());
        process.kill();
        process.waitForFinished();
    }

    void versionAndHelp() {
        const Run version = run({"--version"});
        QCOMPARE(version.out, QStringLiteral("discone " DISCONE_VERSION "\n"));
        QCOMPARE(version.err, QString());
        QCOMPARE(version.status, 0);

        // As most tools do, and with no display to be had.
        for (const char* flag : {"--help", "-h"}) {
            const Run help = run({flag});
            QVERIFY(help.out.startsWith("Usage: discone [OPTION]...\n"));
            for (const char* part : {"\n  --inches FREQ ", "\n  --cm FREQ ", "\n  -h, --help ",
                                     "\n  --version ", "\nExit status:\n", "\nEnvironment:\n"})
                QVERIFY2(help.out.contains(QLatin1String(part)), part);
            QCOMPARE(help.err, QString());
            QCOMPARE(help.status, 0);
        }
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
