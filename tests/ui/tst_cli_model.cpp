// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program's model options, run as a process with no display: nec2c for
// real or a stand-in first on PATH, what is printed and what is left behind
// when nec2c or the picture fails, the table read back as numbers in a comma
// locale, and interrupts in the middle of a sweep.
#include "clirun.h"
#include "processes.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

using discone::test::environment;
using discone::test::pidsIn;
using discone::test::run;
using discone::test::Run;
using discone::test::running;
using discone::test::writeStandIn;

namespace {

// Starts the program with its output in files, waits for `ready` to hold,
// sends `signal`, and returns how it ended, as a shell's wait sees it.
int interrupted(const QStringList& args, const QProcessEnvironment& env, const QString& out,
                int signal, const std::function<bool()>& ready) {
    std::vector<std::string> strings{DISCONE_PROGRAM};
    for (const QString& a : args)
        strings.push_back(a.toStdString());
    std::vector<std::string> settings;
    for (const QString& s : env.toStringList())
        settings.push_back(s.toStdString());
    std::vector<char*> argv, envp;
    for (auto& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    for (auto& s : settings)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.toLocal8Bit().constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    if (posix_spawn(&pid, DISCONE_PROGRAM, &actions, nullptr, argv.data(), envp.data()) != 0)
        return -1;
    posix_spawn_file_actions_destroy(&actions);
    for (int waited = 0; waited < 10000 && !ready(); waited += 10)
        QThread::msleep(10);
    ::kill(pid, signal);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

} // namespace

class CliModelTest : public QObject {
    Q_OBJECT

private slots:
    // nec2c for real, or a stand-in; when it is missing or fails, or the
    // picture cannot be written, one line says so and nothing is left
    // half-written on standard output or in the picture file.
    void modelRuns_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("nec2c"); // "": the installed one
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("outStart");
        QTest::addColumn<QString>("errPart");
        QTest::addColumn<int>("tableRows"); // -1: no table
        const QString header = "# impedance: NEC-2's times the model's average gain";
        const QString runs = "echo run >>\"$0.runs\"; ";
        QTest::newRow("sweep") << QStringList{"--cm", "146", "--swr", "--points", "5"} << "" << 0
                               << header << "" << 5;
        QTest::newRow("sweep and picture")
            << QStringList{"--inches=146", "--swr", "--points=3", "--plot", "PICTURE.svg"} << ""
            << 0 << header << "" << 3;
        QTest::newRow("deck") << QStringList{"--inches", "146", "--nec"} << "" << 0
                              << "CM discone " DISCONE_VERSION ": a discone for 146 MHz"
                              << "" << -1;
        QTest::newRow("nec2c missing")
            << QStringList{"--cm", "146", "--swr", "--plot", "PICTURE.png"} << "missing" << 1 << ""
            << "install the nec2c package" << -1;
        QTest::newRow("nec2c fails")
            << QStringList{"--cm", "146", "--swr", "--plot", "PICTURE.png"} << "exit 1" << 1 << ""
            << "exit status 1" << -1;
        QTest::newRow("nec2c writes garbage")
            << QStringList{"--cm", "146", "--plot", "PICTURE.png"} << "echo garbage" << 1 << ""
            << "nec2c's output holds no input impedance: garbage" << -1;
        QTest::newRow("nec2c dies")
            << QStringList{"--cm", "146", "--swr"} << "kill -KILL $$" << 1 << ""
            << "nec2c was ended by signal 9" << -1;
        // Found before nec2c runs, not after the sweep.
        QTest::newRow("picture folder missing")
            << QStringList{"--cm", "146", "--plot", "FOLDER/missing/swr.png"} << runs + "exit 1"
            << 1 << ""
            << "FOLDER/missing/swr.png: No such file or directory" << -1;
        QTest::newRow("rods need too wide a hub")
            << QStringList{"--cm", "146", "--nec", "--wire-diameter=20"} << "" << 2 << ""
            << "16 rods 20 mm across need a hub 153 mm across" << -1;
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
            arg.replace("PICTURE", picture).replace("FOLDER", dir.path());
        errPart.replace("FOLDER", dir.path());
        QStringList settings;
        if (!nec2c.isEmpty()) {
            writeStandIn(dir.path(), nec2c);
            settings << "PATH=" + dir.path();
        }
        const Run r = run(args, settings);
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
            QVERIFY(lines.last().startsWith("# "));
        }
        if (r.out.startsWith("CM"))
            QVERIFY(r.out.endsWith("\nRP 0 37 1 1000 0 0 5 0\nEN\n"));
        // Only a finished picture, and only when everything worked; nec2c
        // never ran when the picture could not be written anyway.
        const QStringList left = QDir(dir.path()).entryList({"swr*"}, QDir::Files | QDir::Hidden);
        const bool pictureAsked = args.join(' ').contains(picture);
        QCOMPARE(left.size(), status == 0 && pictureAsked ? 1 : 0);
        QVERIFY(!QFile::exists(dir.filePath("nec2c.runs")));
    }

    // --tune cuts the antenna for the band: its comment lines, then the
    // seven lines --cm F' prints, F' in the locale's words.
    void tune() {
        const Run tuned = run({"--cm", "146", "--tune"}, {"LC_ALL=de_DE.UTF-8"});
        QCOMPARE(tuned.status, 0);
        QCOMPARE(tuned.err, QString());
        const QRegularExpression first(
            "^# for SWR below 2 from 146 MHz, cut for (12[89],[0-9]+) MHz\n"
            "# the tuned design's SWR stays below 2 up to [0-9]+,[0-9]{3} "
            "MHz\n");
        const QRegularExpressionMatch match = first.match(tuned.out);
        QVERIFY2(match.hasMatch(), qPrintable(tuned.out));
        const Run cut = run({"--cm", match.captured(1)}, {"LC_ALL=de_DE.UTF-8"});
        QCOMPARE(tuned.out.mid(match.capturedLength()), cut.out);
    }

    // The summary's amateur bands are those of the locale's country's ITU
    // region (LC_ALL, then LC_MESSAGES, then LANG), or those all three
    // share. The sweep runs from 146 to 1460 MHz: Region 1's 2 m ends at
    // 146 MHz, Regions 2's and 3's at 148; 1.25 m and 33 cm are Region 2's
    // only (the table of study/bands.cpp, from the ITU Radio Regulations).
    void bandsOfTheLocalesRegion_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("bands");
        QTest::newRow("Germany, region 1")
            << QStringList{"LC_ALL=de_DE.UTF-8"} << QStringList{"70 cm", "23 cm"};
        QTest::newRow("United States, region 2")
            << QStringList{"LANG=en_US.UTF-8", "-LC_MESSAGES"}
            << QStringList{"2 m", "1.25 m", "70 cm", "33 cm", "23 cm"};
        QTest::newRow("Japan, region 3")
            << QStringList{"LC_ALL=ja_JP.UTF-8"} << QStringList{"2 m", "70 cm", "23 cm"};
        QTest::newRow("messages before LANG")
            << QStringList{"LC_MESSAGES=en_CA.UTF-8", "LANG=de_DE.UTF-8"}
            << QStringList{"2 m", "1.25 m", "70 cm", "33 cm", "23 cm"};
        QTest::newRow("C: what all regions share")
            << QStringList{"LC_ALL=C"} << QStringList{"70 cm", "23 cm"};
    }
    void bandsOfTheLocalesRegion() {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, bands);
        const Run r = run({"--cm", "146", "--swr", "--points", "5"}, settings);
        QCOMPARE(r.status, 0);
        QStringList found;
        const QRegularExpression line("^# (.+): SWR [0-9]+\\.[0-9]{2} to [0-9]+\\.[0-9]{2}$",
                                      QRegularExpression::MultilineOption);
        for (auto it = line.globalMatch(r.out); it.hasNext();)
            found << it.next().captured(1);
        QCOMPARE(found, bands);
    }

    // The build sheet read back with pdftotext (poppler-utils): the seven
    // results exactly as --inches prints them, in its order, each ending
    // its line; the version; and the summary's first line, as --swr's
    // comment lines have it in a locale with a decimal point.
    void buildSheetReadsBack() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the sheet is not read back");
        QTemporaryDir dir;
        const QString pdf = dir.filePath("sheet.pdf");
        const Run sheet = run({"--inches", "146", "--points", "5", "--sheet", pdf});
        QCOMPARE(sheet.status, 0);
        QCOMPARE(sheet.err, QString());
        const Run plain = run({"--inches", "146"});
        QCOMPARE(sheet.out, plain.out);
        const QStringList table =
            run({"--inches", "146", "--points", "5", "--swr"}).out.split('\n');
        qsizetype row = table.size() - 1;
        while (row > 0 && !(table[row].size() > 0 && table[row][0].isDigit()))
            --row;
        QVERIFY(row + 1 < table.size() && table[row + 1].startsWith("# "));
        const QString firstSummaryLine = table[row + 1].mid(2);

        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        qsizetype at = 0;
        for (const QString& line : plain.out.split('\n', Qt::SkipEmptyParts)) {
            const QString value = line.section('\t', 1);
            at = text.indexOf(" " + value + "\n", at);
            QVERIFY2(at >= 0, qPrintable(line));
        }
        QVERIFY(text.contains("discone " DISCONE_VERSION " on "));
        QVERIFY2(text.contains(firstSummaryLine), qPrintable(firstSummaryLine));
        // The tuning's line, as --tune says it, begun as a sentence.
        const QString tuning = run({"--inches", "146", "--tune"}).out.section('\n', 0, 0).mid(2);
        QVERIFY2(tuning.startsWith("for SWR below 2 from 146 MHz") && text.contains(tuning.mid(1)),
                 qPrintable(tuning));
    }

    // Other programs read the table in any locale: in German every field of
    // every row is still a number with a point.
    void tableReadsAsNumbersInAnyLocale() {
        const Run r = run({"--cm", "146", "--swr", "--points", "4"}, {"LC_ALL=de_DE.UTF-8"});
        QCOMPARE(r.status, 0);
        int rows = 0;
        for (const QString& line : r.out.split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith('#'))
                continue;
            const QStringList fields = line.split('\t');
            QCOMPARE(fields.size(), 7);
            for (const QString& field : fields) {
                const std::string text = field.toStdString();
                double value = 0;
                const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
                QVERIFY2(read.ec == std::errc() && read.ptr == text.data() + text.size(),
                         qPrintable(line));
            }
            ++rows;
        }
        QCOMPARE(rows, 4);
        QVERIFY(r.out.contains("\n# lowest SWR "));
    }

    // An empty TMPDIR means the default folder, and a picture leaves nothing
    // in the temporary folder, Qt's runtime folder included.
    void temporaryFolder() {
        QTemporaryDir dir, tmp;
        for (const QString& tmpdir : {QString(), tmp.path()}) {
            const Run r = run({"--cm", "146", "--points", "2", "--plot", dir.filePath("swr.png")},
                              {"TMPDIR=" + tmpdir, "-XDG_RUNTIME_DIR"});
            QCOMPARE(r.status, 0);
            QCOMPARE(r.err, QString());
        }
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }

    // Ctrl-C, SIGTERM and SIGHUP in the middle of a sweep: nec2c stops,
    // nothing is printed or left behind, and the program ends as killed by
    // the signal, so a shell sees 130, 143 or 129.
    void interrupts_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("nec2c");
        const QString hangs = "echo $$ >>\"$PIDS\"; sleep 1000";
        QTest::newRow("SIGINT") << SIGINT << hangs;
        QTest::newRow("SIGTERM") << SIGTERM << hangs;
        QTest::newRow("SIGHUP") << SIGHUP << hangs;
        QTest::newRow("SIGINT, real nec2c")
            << SIGINT << "echo $$ >>\"$PIDS\"; exec /usr/bin/nec2c \"$@\"";
    }
    void interrupts() {
        QFETCH(int, signal);
        QFETCH(QString, nec2c);
        if (nec2c.contains("/usr/bin/nec2c") && !QFile::exists("/usr/bin/nec2c"))
            QSKIP("nec2c is not installed");
        QTemporaryDir dir, tmp;
        writeStandIn(dir.path(), nec2c);
        const QString pids = dir.filePath("pids"), out = dir.filePath("out");
        const QProcessEnvironment env =
            environment({"LC_ALL=C.UTF-8", "PATH=" + dir.path() + ":/usr/bin:/bin", "PIDS=" + pids,
                         "TMPDIR=" + tmp.path()});
        const int status = interrupted(
            {"--cm", "146", "--swr", "--points", "1000", "--plot", dir.filePath("swr.png")}, env,
            out, signal, [&] { return pidsIn(pids.toStdString()).size() >= 1; });
        QCOMPARE(status, 128 + signal);
        QCOMPARE(QFileInfo(out).size(), 0);
        QVERIFY(!QFile::exists(dir.filePath("swr.png")));
        for (pid_t pid : pidsIn(pids.toStdString()))
            QVERIFY2(!running(pid), qPrintable(QString::number(pid)));
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(CliModelTest)
#include "tst_cli_model.moc"
