// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading nec2c's output: what cannot be read is one line naming it.
#include "engine.h"
#include "nec2c.h"
#include "output.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace discone::nec;

TEST(Output, WhatCannotBeReadIsOneLine) {
    struct Case {
        const char* output;
        const char* message;
    };
    const Case cases[] = {
        {"", "it is empty"},
        {"\n  no impedance here\n", "no input impedance: no impedance here"},
        {"  GEOMETRY DATA CARD ERROR\n", "nec2c reported: GEOMETRY DATA CARD ERROR"},
        {"  FREQUENCY : x MHz\n", "unreadable frequency"},
        {"  FREQUENCY : 1.0000E+02 MHz\n ANTENNA INPUT PARAMETERS\n h\n h\n 1 1 a b c\n",
         "unreadable impedance line"},
        {"  FREQUENCY : 1.0000E+02 MHz\n ANTENNA INPUT PARAMETERS\n h\n h\n\n", "without values"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output);
        try {
            parseOutput(c.output);
            ADD_FAILURE() << "read";
        } catch (const NecError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos);
        }
    }
}

// A pattern of two azimuths, as nec2c prints it (phi outermost), comes back
// as two cuts; an answer that is not what the job asked for is refused.
TEST(Output, PatternCutsByAzimuthAndAnswersCheckedAgainstTheJob) {
    const std::string output = "  FREQUENCY : 1.0000E+02 MHz\n ANTENNA INPUT PARAMETERS\n h\n h\n"
                               " 1 1 0 0 0 0 0 0 2.0E-02 0.0E+00 0\n\n"
                               " RADIATION PATTERNS\n\n h\n h\n h\n"
                               "  0.00  0.00 0 0 -999.99\n 90.00  0.00 0 0 1.50\n"
                               "180.00  0.00 0 0 -3.00\n  0.00 22.50 0 0 -999.99\n"
                               " 90.00 22.50 0 0 1.25\n180.00 22.50 0 0 -2.50\n\n";
    const JobResults results = parseOutput(output);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].ohms, std::complex<double>(50, 0));
    ASSERT_EQ(results[0].cuts.size(), 2u);
    EXPECT_EQ(results[0].cuts[1].phiDeg, 22.5);
    ASSERT_EQ(results[0].cuts[1].samples.size(), 3u);
    EXPECT_EQ(results[0].cuts[1].samples[1].gainDbi, 1.25);
    EXPECT_TRUE(std::isinf(results[0].cuts[0].samples[0].gainDbi));

    struct Case {
        const char* name;
        EngineJob job;
        const char* message; // nullptr: accepted
    };
    const Case cases[] = {
        {"as asked", {{}, {100, 1, 1}, {90, 2, 22.5}, {}, 1}, nullptr},
        {"more frequencies asked", {{}, {100, 2, 1.1}, {90, 2, 22.5}, {}, 1}, "1 of 2 frequencies"},
        {"another frequency",
         {{}, {146, 1, 1}, {90, 2, 22.5}, {}, 1},
         "100 MHz instead of 146 MHz"},
        {"more cuts asked", {{}, {100, 1, 1}, {90, 4, 11.25}, {}, 1}, "2 of 4 pattern cuts"},
        {"no pattern asked", {{}, {100, 1, 1}, {}, {}, 1}, "2 of 0 pattern cuts"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            readJobOutput(c.job, output);
            EXPECT_EQ(c.message, nullptr);
        } catch (const NecError& e) {
            ASSERT_NE(c.message, nullptr) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}
