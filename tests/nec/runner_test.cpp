// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// nec2c as a program: a deck with a known answer, and the ways it can fail.
#include "runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace fs = std::filesystem;
using discone::nec::NecError;
using discone::nec::runNec;

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
    const fs::path dir =
        fs::temp_directory_path() / ("discone-nec-test-" + name + "-" + std::to_string(::getpid()));
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
TEST(Runner, HalfWaveDipoleResonatesNear73Ohms) {
    const auto result = runNec(kDipole);
    ASSERT_EQ(result.impedances.size(), 31u);
    EXPECT_DOUBLE_EQ(result.impedances.front().frequencyMHz, 270);
    for (std::size_t i = 1; i < result.impedances.size(); ++i) {
        const auto& a = result.impedances[i - 1];
        const auto& b = result.impedances[i];
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

// Every failure is one line naming the cause, and the temporary folder is
// gone afterwards.
TEST(Runner, FailuresAreOneLineAndLeaveNothingBehind) {
    struct Case {
        const char* name;
        const char* script; // the stand-in nec2c; nullptr: none on PATH
        const char* message;
    };
    const Case cases[] = {
        {"missing", nullptr, "install the nec2c package"},
        {"exit1", "#!/bin/sh\necho 'cannot run' >&2\nexit 1\n", "exit status 1: cannot run"},
        {"garbage", "#!/bin/sh\necho 'no impedance here' > \"$4\"\n", "no input impedance"},
        {"nofile", "#!/bin/sh\necho 'garbage on the terminal'\n", "no output file"},
        {"error", "#!/bin/sh\necho '  GEOMETRY DATA CARD ERROR' > \"$4\"\n",
         "GEOMETRY DATA CARD ERROR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path bin = freshFolder(std::string("bin-") + c.name);
        const fs::path tmp = freshFolder(std::string("tmp-") + c.name);
        if (c.script) {
            std::ofstream(bin / "nec2c") << c.script;
            fs::permissions(bin / "nec2c", fs::perms::owner_all);
        }
        {
            ScopedVariable path("PATH", bin.string());
            ScopedVariable tmpdir("TMPDIR", tmp.string());
            try {
                runNec(kDipole);
                ADD_FAILURE() << "no error";
            } catch (const NecError& e) {
                const std::string message = e.what();
                EXPECT_NE(message.find(c.message), std::string::npos) << message;
                EXPECT_EQ(message.find('\n'), std::string::npos) << message;
            }
        }
        EXPECT_TRUE(fs::is_empty(tmp));
        fs::remove_all(bin);
        fs::remove_all(tmp);
    }
}
