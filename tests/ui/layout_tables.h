// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The three windows' controls and lines as the layout tests expect them, and
// stand-in pictures that tell the layers apart.
#pragma once

#include "surface.h"
#include "uitest.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

namespace layouttest {

using discone::test::child;
namespace ui = discone::ui;

const char* const kGreen = "#80ff80";
const char* const kBlue = "#0000ff";
const char* const kRed = "#ff0000";
const char* const kYellow = "#ffff00";

struct Row {
    const char* window;
    const char* container;
    const char* name;
    const char* kind; // button, single, multi, picture, label
    int left, top, width, height, tab;
    const char* background; // nullptr: the light palette's
    const char* text;       // nullptr: the light palette's (black)
    double points;
    const char* style; // b bold, i italic, u underline, B bordered
    const char* caption;
};

// clang-format off
const Row kRows[] = {
    {"Form1", "Form1", "WEBSITE", "button", 6960, 6480, 1455, 375, 22, nullptr, nullptr, 8.25, "", "WEBSITE"},
    {"Form1", "Form1", "Command3", "button", 7440, 1560, 1215, 495, 21, nullptr, nullptr, 8.25, "", "CALCULATE CM"},
    {"Form1", "Form1", "Command2", "button", 8760, 1680, 735, 375, 20, nullptr, nullptr, 8.25, "", "INFO"},
    {"Form1", "Form1", "Text16", "multi", 6240, 2280, 3375, 4095, 17, kGreen, kBlue, 8.25, "",
     "DISCONES ARE AN EXCELLENT\r\nOMNIDIRECTIONAL ANTENNA.\r\nTHEY CAN TRANSMIT AT 3 TO 4 \r\n"
     "TIMES THE  DESIGN FREQUENCY\r\nAND RECEIVE UP TO 10 TIMES \r\nTHAT OF THE DESIGN. THEY HAVE \r\n"
     "A VERY HIGH RADIATION\r\nAPPROACHING THAT OF AN IDEAL \r\nDIPOLE IN FREE SPACE,COMPARED\r\n"
     "TO MOST VERTICALS THAT ARE \r\nACTUALLY NEGATIVE DB. THEY \r\nDO THIS  AT  A  DESIRABLE LOW\r\n"
     "ANGLE OF RADIATION. THEY CAN\r\nBE MOUNTED CLOSE TO THE \r\nGROUND. ALTHOUGH USED \r\n"
     "MAINLY FOR VHF/UHF, TOWERS\r\nHAVE BEEN USED TO SUPPORT HF\r\nVERSIONS. MANY COMMERCIAL\r\n"
     "MODELS CAN BE SEEN AT POLICE,\r\nFIRE AND OTHER PUBLIC SERVICES.\r\n"},
    {"Form1", "Form1", "Command1", "button", 6240, 1200, 1095, 855, 16, nullptr, nullptr, 8.25, "", "CALCULATE Inches "},
    {"Form1", "Form1", "Text15", "multi", 7560, 720, 2175, 855, 15, kGreen, nullptr, 9.75, "", "INPUT LOWEST\r\nFREQUENCY IN\r\nMEGAHERTZ\r\n"},
    {"Form1", "Form1", "Text14", "single", 6240, 720, 1095, 375, 14, "#ffe0c0", kRed, 12, "bB", "000.00"},
    {"Form1", "Form1", "Text8", "single", 2040, 120, 1695, 285, 8, kGreen, kBlue, 8.25, "", "DISC DIAMETER"},
    {"Form1", "Form1", "Text1", "single", 5880, 120, 4095, 495, 1, kGreen, kBlue, 13.5, "bi", "DISCONES by ZORVAL"},
    {"Form1", "Form1", "Picture1", "picture", 0, 360, 6135, 6375, 0, kGreen, nullptr, 0, "", ""},
    {"Form1", "Picture1", "Text18", "single", 3360, 4200, 855, 285, 19, kYellow, kRed, 8.25, "B", "000.00"},
    {"Form1", "Picture1", "Text17", "multi", 1920, 3960, 1335, 975, 18, kGreen, kBlue, 8.25, "", "MAXIMUM  MESH\r\nSPACING FOR\r\nLARGE WIRE \r\nCONES\r\n"},
    {"Form1", "Picture1", "Text13", "multi", 4440, 2280, 1095, 735, 13, kGreen, kBlue, 8.25, "", "HEIGHT TO\r\nBOTTOM\r\nOF DISC\r\n"},
    {"Form1", "Picture1", "Text12", "single", 2040, 5760, 1695, 285, 12, kGreen, kBlue, 8.25, "", "SKIRT DIAMETER"},
    {"Form1", "Picture1", "Text11", "multi", 2160, 3000, 1095, 495, 11, kGreen, kBlue, 8.25, "", "MINIMUM\r\nDIAMETER\r\n"},
    {"Form1", "Picture1", "Text10", "multi", 360, 1680, 975, 495, 10, kGreen, kBlue, 8.25, "", "SIDE\r\nLENGTH\r\n"},
    {"Form1", "Picture1", "Text9", "single", 3960, 1200, 1095, 285, 9, kGreen, kBlue, 8.25, "", "SPACING"},
    {"Form1", "Picture1", "Text7", "single", 2400, 5400, 735, 285, 7, kYellow, kRed, 8.25, "B", "000.00"},
    {"Form1", "Picture1", "Text6", "single", 4920, 1920, 735, 285, 6, kYellow, kRed, 8.25, "B", "000.00"},
    {"Form1", "Picture1", "Text5", "single", 2280, 2640, 735, 285, 5, kYellow, kRed, 8.25, "B", "000.00"},
    {"Form1", "Picture1", "Text4", "single", 720, 2160, 735, 285, 4, kYellow, kRed, 8.25, "B", "000.00"},
    {"Form1", "Picture1", "Text3", "single", 3960, 840, 615, 285, 3, kYellow, kRed, 8.25, "B", "00.00"},
    {"Form1", "Picture1", "Text2", "single", 2280, 0, 735, 285, 2, kYellow, kRed, 8.25, "B", "000.00"},
    {"info", "info", "Command1", "button", 4200, 480, 1455, 495, 10, nullptr, nullptr, 8.25, "", "RETURN"},
    {"info", "info", "Text9", "multi", 240, 5400, 9375, 735, 9, kGreen, nullptr, 8.25, "",
     "THIS WORKS TO SOME DEGREE, BUT TRANSMITTING DISCONES SHOULD ALWAYS FILL THE DISC AND\r\n"
     "CONE AS SOLID AS POSSIBLE WITH MAXIMUM SPACES BEING NO LARGER THAN RECOMMENDED IN\r\n"
     "THE PROGRAM \" MAX MESH SIZE\"\r\n"},
    {"info", "info", "Text8", "multi", 240, 4920, 4575, 495, 8, kGreen, nullptr, 8.25, "", "RECEIVING DISCONES SOMETIMES REPLACE THE\r\nDISC AND CONES WITH 3 OR 4 RADIAL LIKE WIRES.\r\n"},
    {"info", "info", "Text6", "single", 4920, 4680, 2415, 285, 7, kGreen, nullptr, 8.25, "", "SO-239 COAX CONNECTOR"},
    {"info", "info", "Text5", "single", 7560, 4560, 1215, 375, 6, kGreen, kBlue, 8.25, "", "CONE PLATE"},
    {"info", "info", "Text4", "multi", 6480, 720, 2895, 495, 5, kGreen, nullptr, 8.25, "", "SCREWS OR BOLTS MUST NOT\r\nSHORT OUT THE DISC AND CONE\r\n"},
    {"info", "info", "Text3", "multi", 8160, 2640, 1215, 615, 4, kGreen, kBlue, 8.25, "", "INSULATED SPACER\r\n"},
    {"info", "info", "Text2", "single", 4560, 1320, 2295, 255, 3, kGreen, kBlue, 8.25, "", "DISK OR WIRE CAGE"},
    {"info", "info", "Text1", "multi", 120, 120, 3255, 975, 2, kGreen, kBlue, 8.25, "",
     "SOLID DISC FOR SMALL ANTENNAS\r\nOR WIRE UMBRELLA LIKE CAGE FOR\r\nLARGER. A NONMETALIC MAST AND\r\n"
     "GUYS MAY BE USED TO SUPPORT\r\nTHE CAGE\r\n"},
    {"info", "info", "Picture2", "picture", 2880, 1680, 5175, 2775, 1, kGreen, nullptr, 0, "", ""},
    {"info", "info", "Picture1", "picture", 0, 1680, 3015, 3015, 0, kGreen, nullptr, 0, "", ""},
    {"web", "web", "lblWebPage", "label", 525, 1335, 2205, 255, 2, nullptr, kBlue, 8.25, "u", "https://www.zorval.example"},
    {"web", "web", "Label2", "label", 450, 750, 2490, 345, 1, nullptr, nullptr, 8.25, "", "Click Link Below to "},
    {"web", "web", "Label1", "label", 525, 75, 2265, 390, 0, nullptr, nullptr, 8.25, "", "The link will be opened in your default browser."},
};

struct LineRow {
    const char* window;
    const char* container;
    const char* name;
    int x1, y1, x2, y2;   // twips, in the container
    QPoint on, off, off2; // window pixels: drawn; hidden or beyond an end (null: none)
};

const LineRow kLines[] = {
    {"Form1", "Picture1", "Line4", 720, 4320, 1800, 4320, {48, 312}, {47, 312}, {121, 312}},
    {"Form1", "Picture1", "Line3", 1560, 4080, 1440, 5040, {104, 296}, {104, 295}, {96, 361}},
    {"Form1", "Picture1", "Line2", 1200, 3960, 720, 5040, {48, 360}, {80, 287}, {48, 361}},
    {"Form1", "Picture1", "Line1", 600, 4680, 1800, 4680, {120, 336}, {39, 336}, {121, 336}},
    {"info", "Picture2", "Line13", 2160, 1440, 1560, 2520, {336, 208}, {296, 281}, {}},
    {"info", "Picture2", "Line11", 2640, 2640, 2640, 2880, {368, 288}, {368, 287}, {}},
    {"info", "Picture2", "Line10", 4440, 2280, 4920, 2880, {488, 264}, {}, {}},
    {"info", "Picture2", "Line8", 4440, 120, 4440, 0, {488, 112}, {488, 121}, {}},
    {"info", "Picture2", "Line7", 4800, 840, 5160, 840, {536, 168}, {511, 168}, {}},
    {"info", "Picture2", "Line6", 960, 240, 1320, 0, {256, 128}, {255, 129}, {}},
    {"info", "info", "Line12", 5520, 4680, 5520, 4440, {368, 304}, {368, 312}, {}},
    {"info", "info", "Line9", 7440, 1920, 7440, 1200, {496, 100}, {496, 80}, {496, 112}},
    {"info", "info", "Line5", 1680, 1560, 1320, 1080, {112, 104}, {88, 72}, {}},
    {"info", "info", "Line4", 1080, 1560, 1320, 1080, {72, 104}, {88, 72}, {}},
    {"info", "info", "Line3", 2280, 1680, 1320, 1080, {120, 92}, {152, 112}, {}},
    {"info", "info", "Line2", 480, 1680, 1320, 1080, {60, 92}, {32, 112}, {}},
    {"info", "info", "Line1", 1320, 1560, 1320, 1080, {88, 90}, {88, 72}, {}},
};
// clang-format on

inline ui::WindowKind kindOf(const QString& window) {
    if (window == QLatin1String("Form1"))
        return ui::WindowKind::Form1;
    return window == QLatin1String("info") ? ui::WindowKind::Info : ui::WindowKind::Web;
}

inline const Row* findRow(const QString& window, const QString& name) {
    for (const Row& r : kRows) {
        if (window == QLatin1String(r.window) && name == QLatin1String(r.name))
            return &r;
    }
    return nullptr;
}

// Stand-in pictures of the drawings' sizes in colours the drawings never
// use, so that every pixel of a grab tells which layer shows.
inline void paintStandInPictures(QWidget* window) {
    const bool form1 = window->objectName() == QLatin1String("Form1");
    const struct {
        const char* name;
        QSize size;
        QColor colour;
    } standIns[] = {{"Picture1", form1 ? QSize(400, 400) : QSize(197, 200), Qt::magenta},
                    {"Picture2", {338, 192}, Qt::cyan}};
    for (const auto& s : standIns) {
        if (auto* box = child<ui::Surface>(window, QLatin1String(s.name))) {
            QImage pixmap(s.size, QImage::Format_RGB32);
            pixmap.fill(s.colour);
            box->setPicture(pixmap);
        }
    }
}

} // namespace layouttest
