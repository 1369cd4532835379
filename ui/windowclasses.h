// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The three windows. Each is built from its own table of controls, keeps
// typed pointers to the controls its handlers use, and connects them to its
// handlers once, when it is built. A window deletes itself when closed.
#pragma once

#include "controls.h"
#include "formatter.h"
#include "surface.h"

#include <array>

namespace discone::ui {

class Program;

// The main window: the input box, the calculate buttons, the navigation
// buttons, the description, and the antenna diagram with the captions and
// result boxes laid over it.
class Form1 : public Surface {
public:
    explicit Form1(Program& program);

    void Command1_Click(); // CALCULATE Inches
    void Command3_Click(); // CALCULATE CM
    void Command2_Click(); // INFO
    void WEBSITE_Click();
    void Text14_Click(); // refills the input with the last frequency

private:
    void writeResults(Unit unit);

    Program& program_;
    TextBox* Text14;
    CaptionButton* Command1;
    CaptionButton* Command2;
    CaptionButton* Command3;
    CaptionButton* WEBSITE;
    std::array<TextBox*, kDimensionCount> resultBoxes_; // by Dimension
};

// The information window: building notes around the cage sketch and the
// feed-point detail, and RETURN, which brings the main window back.
class info : public Surface {
public:
    explicit info(Program& program);

    void Command1_Click(); // RETURN

private:
    Program& program_;
    CaptionButton* Command1;
};

// The web link window: two lines of explanation and the maker's page address
// as a link that asks the desktop to open it in the default browser.
class web : public Surface {
public:
    web();

    // Starts the launcher with the address and "/" as its one argument,
    // detached and without a shell. Throws PlatformFailure if it cannot be
    // started.
    static void lblWebPage_Click();

private:
    LinkLabel* lblWebPage;
};

} // namespace discone::ui
