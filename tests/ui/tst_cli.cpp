// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's command line, run as a process with no display at all:
// DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are unset for every run, so a
// program that opened anything of the windows' would fail here.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
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

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Runs the program with `locale` ("NAME=value" settings) as its only locale
// variables, and without any display.
Run run(const QStringList& args, const QStringList& locale = {"LC_ALL=C.UTF-8"}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL",
                             "LC_NUMERIC", "LANG", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    for (const QString& setting : locale)
        env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    // Qt warns on every start without a private runtime folder.
    static const QTemporaryDir runtime;
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(DISCONE_PROGRAM), args);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

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
        QTest::newRow("left over after Qt's options")
            << QStringList{"-platform", "offscreen", "-h"} << "'-h'";
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

    // The model options run nec2c for real; when it is missing or fails, or
    // the picture cannot be written, one line says so and nothing is left
    // half-written on standard output or in the picture file.
    void modelRuns_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("nec2c"); // "": the installed one
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("outStart");
        QTest::addColumn<QString>("errPart");
        QTest::addColumn<int>("tableRows"); // -1: no table
        const QString header = "# frequency_mhz\tresistance_ohm\treactance_ohm\tswr\n";
        QTest::newRow("sweep") << QStringList{"--cm", "146", "--swr", "--points", "5"} << "" << 0
                               << header << "" << 5;
        QTest::newRow("sweep and picture")
            << QStringList{"--inches=146", "--swr", "--points=3", "--plot", "PICTURE.svg"} << ""
            << 0 << header << "" << 3;
        QTest::newRow("deck") << QStringList{"--inches", "146", "--nec"} << "" << 0
                              << "CM discone " DISCONE_VERSION ": a discone antenna for 146 MHz\n"
                              << "" << -1;
        QTest::newRow("nec2c missing")
            << QStringList{"--cm", "146", "--swr", "--plot", "PICTURE.png"} << "missing" << 1 << ""
            << "install the nec2c package" << -1;
        QTest::newRow("nec2c fails")
            << QStringList{"--cm", "146", "--swr", "--plot", "PICTURE.png"} << "exit 1" << 1 << ""
            << "nec2c" << -1;
        QTest::newRow("nec2c writes garbage")
            << QStringList{"--cm", "146", "--plot", "PICTURE.png"}
            << "for a in \"$@\"; do echo garbage > \"$a\"; done" << 1 << ""
            << "nec2c" << -1;
        QTest::newRow("picture unwritable")
            << QStringList{"--cm", "146", "--points=2", "--plot", "/nonexistent/swr.png"} << "" << 1
            << ""
            << "/nonexistent/swr.png" << -1;
        QTest::newRow("wire too thick")
            << QStringList{"--cm", "146", "--nec", "--wire-diameter=20"} << "" << 2 << ""
            << "thinner" << -1;
    }
    void modelRuns() {
        QFETCH(QStringList, args);
        QFETCH(QString, nec2c);
        QFETCH(int, status);
        QFETCH(QString, outStart);
        QFETCH(QString, errPart);
        QFETCH(int, tableRows);
        QTemporaryDir dir;
        const QString picture = dir.filePath("swr");
        for (QString& arg : args)
            arg.replace("PICTURE", picture);
        QStringList environment{"LC_ALL=C.UTF-8"};
        if (!nec2c.isEmpty()) {
            // A stand-in nec2c, or none at all, first and alone on PATH.
            QFile script(dir.filePath("nec2c"));
            if (nec2c != "missing") {
                QVERIFY(script.open(QIODevice::WriteOnly));
                script.write(("#!/bin/sh\n" + nec2c + "\n").toUtf8());
                script.close();
                script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            }
            environment << "PATH=" + dir.path();
        }
        const Run r = run(args, environment);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out.left(outStart.size()), outStart);
        if (status != 0) {
            QCOMPARE(r.out, QString());
            QCOMPARE(r.err.count('\n'), 1);
            QVERIFY2(r.err.startsWith("discone: ") && r.err.contains(errPart), qPrintable(r.err));
        } else {
            QCOMPARE(r.err, QString());
        }
        if (tableRows >= 0) {
            const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
            const QStringList rows = lines.filter(QRegularExpression("^[0-9]"));
            QCOMPARE(rows.size(), tableRows);
            QVERIFY(rows.first().startsWith("146.000\t"));
            QCOMPARE(rows.first().split('\t').size(), 4);
            QVERIFY(lines.last().startsWith("# "));
        }
        if (r.out.startsWith("CM")) {
            QVERIFY(r.out.endsWith("EN\n"));
            QVERIFY(!r.out.contains("\nPT") && !r.out.contains("\nPQ"));
        }
        // Only a finished picture, and only when everything worked.
        const QStringList left = QDir(dir.path()).entryList({"swr*"}, QDir::Files);
        const bool pictureAsked = args.join(' ').contains(picture);
        QCOMPARE(left.size(), status == 0 && pictureAsked ? 1 : 0);
    }

    void versionAndHelp() {
        const Run version = run({"--version"});
        QCOMPARE(version.out, QStringLiteral("discone " DISCONE_VERSION "\n"));
        QCOMPARE(version.err, QString());
        QCOMPARE(version.status, 0);

        const Run help = run({"--help"});
        QVERIFY(help.out.startsWith("Usage: discone [OPTION]...\n"));
        for (const char* part : {"\n  --inches FREQ ", "\n  --cm FREQ ", "\n  --help ",
                                 "\n  --version ", "\nExit status:\n", "\nEnvironment:\n"})
            QVERIFY2(help.out.contains(QLatin1String(part)), part);
        QCOMPARE(help.err, QString());
        QCOMPARE(help.status, 0);
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
