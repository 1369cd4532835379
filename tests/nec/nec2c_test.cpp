// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// nec2c as a program: a deck with a known answer, and every way a run can
// go wrong, each ending in one line, soon, and with nothing left running.
#include "nec2cprogram.h"
#include "output.h"
#include "processes.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using namespace discone::nec;
using namespace std::chrono_literals;
using discone::test::pidsIn;
using discone::test::running;

namespace {

// Sets an environment variable for one scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

fs::path freshFolder(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() /
                         ("discone-nec2c-test-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

// A centre-fed dipole 0.5 m long, 0.5 mm radius, 21 segments, 270 to 300 MHz
// in 1 MHz steps: at 299.79 MHz it is exactly half a wavelength long.
const char* const kDipole = "CM half-wave dipole\nCE\n"
                            "GW 1 21 0 0 -0.25 0 0 0.25 0.0005\nGE 0\n"
                            "EX 0 1 11 0 1 0\nFR 0 31 0 0 270 1\nXQ\nEN\n";

} // namespace

// A thin half-wave dipole resonates a few percent below the frequency at
// which it is half a wavelength long (end effect), with close to the 73 ohms
// of the ideal half-wave dipole there.
TEST(Nec2c, HalfWaveDipoleResonatesNear73Ohms) {
    const auto impedances = parseOutput(Nec2cProgram().run(kDipole, {}, {}));
    ASSERT_EQ(impedances.size(), 31u);
    EXPECT_DOUBLE_EQ(impedances.front().frequencyMHz, 270);
    for (std::size_t i = 1; i < impedances.size(); ++i) {
        const auto& a = impedances[i - 1];
        const auto& b = impedances[i];
        if (a.ohms.imag() < 0 && b.ohms.imag() >= 0) {
            const double t = -a.ohms.imag() / (b.ohms.imag() - a.ohms.imag());
            const double resonance = a.frequencyMHz + t * (b.frequencyMHz - a.frequencyMHz);
            const double resistance = a.ohms.real() + t * (b.ohms.real() - a.ohms.real());
            EXPECT_GT(resonance, 0.93 * 299.79);
            EXPECT_LT(resonance, 0.99 * 299.79);
            EXPECT_NEAR(resistance, 73, 5);
            return;
        }
    }
    FAIL() << "no resonance between 270 and 300 MHz";
}

// Stand-ins for nec2c that fail, hang, flood or die: each run ends within
// its limit plus a little, in one line naming the cause, and whatever the
// stand-in started is gone. The stand-ins note their process ids in $PIDS.
TEST(Nec2c, FailuresAreOneLineSoonAndLeaveNothingRunning) {
    struct Case {
        const char* name;
        const char* script; // nullptr: no nec2c on PATH
        const char* message;
    };
    const Case cases[] = {
        {"missing", nullptr, "install the nec2c package"},
        {"exit1", "echo 'cannot run' >&2; exit 1", "exit status 1: cannot run"},
        {"silent", "cat >/dev/null; echo 'garbage on the terminal' >&2",
         "no output: garbage on the terminal"},
        {"signal", "kill -SEGV $$", "ended by signal 11"},
        {"hangs", "sleep 1000 & echo $! >>\"$PIDS\"; wait", "time limit of 0.5 s"},
        {"hangs without its pipes", "exec >&- 2>&-; sleep 1000 & echo $! >>\"$PIDS\"; wait",
         "time limit of 0.5 s"},
        {"floods", "yes 'FREQUENCY : garbage'", "limit of 1 MB of output"},
    };
    const RunLimits limits{500ms, 1 << 20};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path bin = freshFolder("bin");
        const fs::path pids = bin / "pids";
        if (c.script) {
            std::ofstream(bin / "nec2c") << "#!/bin/sh\necho $$ >>\"$PIDS\"\n" << c.script << "\n";
            fs::permissions(bin / "nec2c", fs::perms::owner_all);
        }
        {
            const ScopedVariable path("PATH", bin.string() + ":/usr/bin:/bin");
            const ScopedVariable pidFile("PIDS", pids.string());
            // The stand-in is found first on PATH; with none there, a
            // program named so that nothing on PATH has that name.
            const Nec2cProgram engine(c.script ? "nec2c" : "nec2c-missing-for-the-test");
            const auto start = std::chrono::steady_clock::now();
            try {
                engine.run(kDipole, limits, {});
                ADD_FAILURE() << "no error";
            } catch (const NecError& e) {
                const std::string message = e.what();
                EXPECT_NE(message.find(c.message), std::string::npos) << message;
                EXPECT_EQ(message.find('\n'), std::string::npos) << message;
            }
            EXPECT_LT(std::chrono::steady_clock::now() - start, limits.time + 2s);
        }
        for (pid_t pid : pidsIn(pids.string()))
            EXPECT_FALSE(running(pid)) << pid;
        fs::remove_all(bin);
    }
}

// A stop asked from another thread ends a run that would go on for ever.
TEST(Nec2c, StopsAtOnceWhenAsked) {
    const fs::path bin = freshFolder("stop");
    std::ofstream(bin / "nec2c") << "#!/bin/sh\necho $$ >>\"$PIDS\"\nsleep 1000\n";
    fs::permissions(bin / "nec2c", fs::perms::owner_all);
    const ScopedVariable path("PATH", bin.string() + ":/usr/bin:/bin");
    const ScopedVariable pidFile("PIDS", (bin / "pids").string());
    discone::StopSource stop;
    auto run = std::async(std::launch::async, [&] {
        return Nec2cProgram().run(kDipole, {60s, 1 << 20}, stop.get_token());
    });
    std::this_thread::sleep_for(300ms);
    const auto asked = std::chrono::steady_clock::now();
    stop.request_stop();
    EXPECT_THROW(run.get(), Cancelled);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 1s);
    for (pid_t pid : pidsIn((bin / "pids").string()))
        EXPECT_FALSE(running(pid)) << pid;
    fs::remove_all(bin);
}
