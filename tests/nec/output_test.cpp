// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading nec2c's output: what cannot be read is one line naming it.
#include "engine.h"
#include "output.h"

#include <gtest/gtest.h>

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
