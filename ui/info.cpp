// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "builder.h"
#include "errorreport.h"
#include "palette_colours.h"
#include "program.h"
#include "windowclasses.h"

namespace discone::ui {
namespace {

constexpr const char* kCageNote = "SOLID DISC FOR SMALL ANTENNAS\r\n"
                                  "OR WIRE UMBRELLA LIKE CAGE FOR\r\n"
                                  "LARGER. A NONMETALIC MAST AND\r\n"
                                  "GUYS MAY BE USED TO SUPPORT\r\n"
                                  "THE CAGE\r\n";

constexpr const char* kMeshNote =
    "THIS WORKS TO SOME DEGREE, BUT TRANSMITTING DISCONES SHOULD ALWAYS FILL THE DISC AND\r\n"
    "CONE AS SOLID AS POSSIBLE WITH MAXIMUM SPACES BEING NO LARGER THAN RECOMMENDED IN\r\n"
    "THE PROGRAM \" MAX MESH SIZE\"\r\n";

// clang-format off
constexpr ControlRow kWindowControls[] = {
    // name      kind              left  top   width height tab background      text            font          lines        border     text
    {"Command1", Kind::Button,     4200, 480,  1455, 495,   10, kDefaultColour, kDefaultColour, kDefaultFont, kSingleLine, kNoBorder, "RETURN"},
    {"Text9",    Kind::TextBox,    240,  5400, 9375, 735,   9,  kLightGreen,    kDefaultColour, kDefaultFont, kMultiLine,  kNoBorder, kMeshNote, "Note on transmitting discones"},
    {"Text8",    Kind::TextBox,    240,  4920, 4575, 495,   8,  kLightGreen,    kDefaultColour, kDefaultFont, kMultiLine,  kNoBorder, "RECEIVING DISCONES SOMETIMES REPLACE THE\r\nDISC AND CONES WITH 3 OR 4 RADIAL LIKE WIRES.\r\n", "Note on receiving discones"},
    {"Text6",    Kind::TextBox,    4920, 4680, 2415, 285,   7,  kLightGreen,    kDefaultColour, kDefaultFont, kSingleLine, kNoBorder, "SO-239 COAX CONNECTOR", "Connector note"},
    {"Text5",    Kind::TextBox,    7560, 4560, 1215, 375,   6,  kLightGreen,    kBlue,          kDefaultFont, kSingleLine, kNoBorder, "CONE PLATE", "Cone plate note"},
    {"Text4",    Kind::TextBox,    6480, 720,  2895, 495,   5,  kLightGreen,    kDefaultColour, kDefaultFont, kMultiLine,  kNoBorder, "SCREWS OR BOLTS MUST NOT\r\nSHORT OUT THE DISC AND CONE\r\n", "Screws note"},
    {"Text3",    Kind::TextBox,    8160, 2640, 1215, 615,   4,  kLightGreen,    kBlue,          kDefaultFont, kMultiLine,  kNoBorder, "INSULATED SPACER\r\n", "Spacer note"},
    {"Text2",    Kind::TextBox,    4560, 1320, 2295, 255,   3,  kLightGreen,    kBlue,          kDefaultFont, kSingleLine, kNoBorder, "DISK OR WIRE CAGE", "Disc note"},
    {"Text1",    Kind::TextBox,    120,  120,  3255, 975,   2,  kLightGreen,    kBlue,          kDefaultFont, kMultiLine,  kNoBorder, kCageNote, "Cage note"},
    {"Picture2", Kind::PictureBox, 2880, 1680, 5175, 2775,  1,  kLightGreen,    kDefaultColour, kDefaultFont, kSingleLine, kNoBorder, "", "Feed-point detail", ":/images/feedpoint.bmp"},
    {"Picture1", Kind::PictureBox, 0,    1680, 3015, 3015,  0,  kLightGreen,    kDefaultColour, kDefaultFont, kSingleLine, kNoBorder, "", "Cage sketch", ":/images/cage.bmp"},
};

constexpr LineRow kWindowLines[] = {
    {"Line12", 5520, 4680, 5520, 4440},
    {"Line9",  7440, 1920, 7440, 1200},
    {"Line5",  1680, 1560, 1320, 1080},
    {"Line4",  1080, 1560, 1320, 1080},
    {"Line3",  2280, 1680, 1320, 1080},
    {"Line2",  480,  1680, 1320, 1080},
    {"Line1",  1320, 1560, 1320, 1080},
};

constexpr LineRow kPicture2Lines[] = {
    {"Line13", 2160, 1440, 1560, 2520},
    {"Line11", 2640, 2640, 2640, 2880},
    {"Line10", 4440, 2280, 4920, 2880},
    {"Line8",  4440, 120,  4440, 0},
    {"Line7",  4800, 840,  5160, 840},
    {"Line6",  960,  240,  1320, 0},
};
// clang-format on

constexpr ContainerTable kContainers[] = {
    {nullptr, kWindowControls, kWindowLines},
    {"Picture2", {}, kPicture2Lines},
};

constexpr WindowTable kInfo{
    "info", "Form2", 9375, 6315, kLightGreen, kContainers, QAccessible::Dialog};

} // namespace

info::info(Program& program) : program_(program) {
    buildWindow(this, kInfo);
    Command1 = findControl<CaptionButton>(this, "Command1");
    connect(Command1, &QPushButton::clicked, this, guarded([this] { Command1_Click(); }));
}

void info::Command1_Click() {
    program_.showWindow(WindowKind::Form1);
}

} // namespace discone::ui
