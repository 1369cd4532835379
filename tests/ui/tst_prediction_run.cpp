// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prediction window's runs off the UI thread: closing the window or
// ending the program stops them, so does a newer request, the windows stay
// responsive while one goes on, and one small sweep through nec2c itself,
// whose tuning the window's close stops.
#include "errorreport.h"
#include "fake_engine.h"
#include "predictiontest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include <array>

using namespace discone;
using discone::test::calculate;
using discone::test::child;
using discone::test::curvePixels;
using discone::test::FakeEngine;
using discone::test::prediction;
using ui::PredictionWindow;
using ui::WindowKind;
using State = PredictionWindow::State;

namespace {

// Runs the stand-in's answer after `delay`, or stops when asked.
class SlowEngine : public nec::Engine {
public:
    SlowEngine(const nec::Engine& inner, std::chrono::milliseconds delay)
        : inner_(inner), delay_(delay) {}
    nec::JobResults run(const nec::EngineJob& job, discone::StopToken stop) const override {
        const auto until = std::chrono::steady_clock::now() + delay_;
        while (std::chrono::steady_clock::now() < until)
            if (stop.stop_requested())
                throw nec::Cancelled();
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return inner_.run(job, stop);
    }

private:
    const nec::Engine& inner_;
    std::chrono::milliseconds delay_;
};

// Children of this process still running, such as nec2c.
int childProcesses() {
    int count = 0;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> fields = stat.readAll().split(')').value(1).split(' ');
        count += fields.value(2).toLongLong() == getpid();
    }
    return count;
}

// The stand-in that hangs until stopped, counting the runs going on, in
// all and by the number of rods of their model.
class HangingEngine : public nec::Engine {
public:
    nec::JobResults run(const nec::EngineJob& job, discone::StopToken stop) const override {
        const int rods = job.model.radials;
        ++runs;
        ++active;
        ++activeWith[static_cast<std::size_t>(rods)];
        struct Leave {
            std::atomic<int>& active;
            std::atomic<int>& rods;
            ~Leave() {
                --active;
                --rods;
            }
        } leave{active, activeWith[static_cast<std::size_t>(rods)]};
        return inner_.run(job, stop);
    }
    mutable std::atomic<int> runs{0}, active{0};
    mutable std::array<std::atomic<int>, nec::kMaximumRadials + 1> activeWith{};

private:
    FakeEngine inner_{FakeEngine::Behaviour::Hang};
};

} // namespace

class PredictionRunTest : public QObject {
    Q_OBJECT

    FakeEngine answers_;
    HangingEngine hangs_;

private slots:
    void init() {
        test::closeAllWindows();
        test::forgetSettings();
        test::newProgram().setEngine(&answers_);
        ui::setFailureReporter([](const ui::Failure& f) { QFAIL(qPrintable(f.message)); });
    }
    void cleanup() {
        test::closeAllWindows();
        ui::setFailureReporter(nullptr);
    }

    // Closing the window, or the program's end, stops runs that would never
    // end by themselves.
    void closingStopsTheWork_data() {
        QTest::addColumn<bool>("programEnds");
        QTest::newRow("window closed") << false;
        QTest::newRow("program ends") << true;
    }
    void closingStopsTheWork() {
        QFETCH(bool, programEnds);
        test::program().setEngine(&hangs_);
        calculate("146", "Command1");
        QTRY_COMPARE(prediction()->state(), State::Running);
        QTRY_VERIFY(hangs_.active > 0);
        if (programEnds)
            test::newProgram();
        else
            test::closeAllWindows();
        QCOMPARE(hangs_.active.load(), 0);
        QVERIFY(test::program().openWindow(WindowKind::Prediction) == nullptr);
    }

    // A change while a sweep runs stops it and starts the next.
    void aNewRequestCancelsTheRunningSweep() {
        test::program().setEngine(&hangs_);
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QTRY_VERIFY(hangs_.activeWith[16] > 0);
        child<QSpinBox>(window, "wires")->setValue(8);
        QTRY_VERIFY(hangs_.activeWith[8] > 0);
        QTRY_COMPARE(hangs_.activeWith[16].load(), 0);
        QCOMPARE(hangs_.active.load(), hangs_.activeWith[8].load());
        QCOMPARE(window->state(), State::Running);
    }

    // While a slowed sweep runs, a 10 ms timer never waits more than 50 ms.
    void windowsStayResponsive() {
        const SlowEngine slow(answers_, std::chrono::milliseconds(400));
        test::program().setEngine(&slow);
        calculate("146", "Command1");
        PredictionWindow* window = prediction();
        QCOMPARE(window->state(), State::Running);
        QElapsedTimer clock;
        qint64 last = 0, longest = 0;
        QTimer tick;
        tick.setInterval(10);
        connect(&tick, &QTimer::timeout, this, [&] {
            // Only the gaps that end while the sweep runs.
            if (window->state() == State::Running)
                longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        clock.start();
        tick.start();
        QTRY_COMPARE_WITH_TIMEOUT(window->state(), State::Done, 10000);
        tick.stop();
        QVERIFY2(longest <= 50, qPrintable(QStringLiteral("%1 ms").arg(longest)));
        test::closeAllWindows();
    }

    // A small sweep through nec2c itself; closing the window while the
    // tuning runs leaves no nec2c behind. nec2c is reached through a script
    // that waits a little before each run, so that the tuning is still
    // running, however fast the machine, when the window closes.
    void nec2cPredictsAndStops() {
        const QString nec2c = QStandardPaths::findExecutable(QStringLiteral("nec2c"));
        if (nec2c.isEmpty())
            QSKIP("nec2c is not installed");
        QTemporaryDir bin;
        QFile script(bin.filePath("nec2c"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\nsleep 0.3\nexec " + nec2c + " \"$@\"\n").toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        test::program().setEngine(nullptr);
        prediction()->setPoints(5);
        calculate("146", "Command3");
        PredictionWindow* window = prediction();
        QTRY_COMPARE_WITH_TIMEOUT(window->state(), State::Done, 60000);
        const QString summary = child<QPlainTextEdit>(window, "summary")->toPlainText();
        QVERIFY2(summary.contains("SWR first below 2 at ") && summary.contains(" cm from the top"),
                 qPrintable(summary));
        QVERIFY(curvePixels() > 500);
        QTRY_VERIFY(childProcesses() > 0); // the tuning's runs
        test::closeAllWindows();
        QCOMPARE(childProcesses(), 0);
    }
};

DISCONE_PREDICTION_TEST_MAIN(PredictionRunTest)
#include "tst_prediction_run.moc"
