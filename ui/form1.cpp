// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "builder.h"
#include "errorreport.h"
#include "palette_colours.h"
#include "predictionentry.h"
#include "program.h"
#include "separators.h"
#include "windowclasses.h"

namespace discone::ui {
namespace {

constexpr const char* kDescription = "DISCONES ARE AN EXCELLENT\r\n"
                                     "OMNIDIRECTIONAL ANTENNA.\r\n"
                                     "THEY CAN TRANSMIT AT 3 TO 4 \r\n"
                                     "TIMES THE  DESIGN FREQUENCY\r\n"
                                     "AND RECEIVE UP TO 10 TIMES \r\n"
                                     "THAT OF THE DESIGN. THEY HAVE \r\n"
                                     "A VERY HIGH RADIATION\r\n"
                                     "APPROACHING THAT OF AN IDEAL \r\n"
                                     "DIPOLE IN FREE SPACE,COMPARED\r\n"
                                     "TO MOST VERTICALS THAT ARE \r\n"
                                     "ACTUALLY NEGATIVE DB. THEY \r\n"
                                     "DO THIS  AT  A  DESIRABLE LOW\r\n"
                                     "ANGLE OF RADIATION. THEY CAN\r\n"
                                     "BE MOUNTED CLOSE TO THE \r\n"
                                     "GROUND. ALTHOUGH USED \r\n"
                                     "MAINLY FOR VHF/UHF, TOWERS\r\n"
                                     "HAVE BEEN USED TO SUPPORT HF\r\n"
                                     "VERSIONS. MANY COMMERCIAL\r\n"
                                     "MODELS CAN BE SEEN AT POLICE,\r\n"
                                     "FIRE AND OTHER PUBLIC SERVICES.\r\n";

// clang-format off
constexpr ControlRow kWindowControls[] = {
    // name      kind              left  top   width height tab background      text            font                lines        border       text
    {"WEBSITE",  Kind::Button,     6960, 6480, 1455, 375,   22, kDefaultColour, kDefaultColour, kDefaultFont,       kSingleLine, kNoBorder,   "WEBSITE"},
    {"Command3", Kind::Button,     7440, 1560, 1215, 495,   21, kDefaultColour, kDefaultColour, kDefaultFont,       kSingleLine, kNoBorder,   "CALCULATE CM"},
    {"Command2", Kind::Button,     8760, 1680, 735,  375,   20, kDefaultColour, kDefaultColour, kDefaultFont,       kSingleLine, kNoBorder,   "INFO"},
    {"Text16",   Kind::TextBox,    6240, 2280, 3375, 4095,  17, kLightGreen,    kBlue,          kDefaultFont,       kMultiLine,  kNoBorder,   kDescription, "About discones"},
    {"Command1", Kind::Button,     6240, 1200, 1095, 855,   16, kDefaultColour, kDefaultColour, kDefaultFont,       kSingleLine, kNoBorder,   "CALCULATE Inches "},
    {"Text15",   Kind::TextBox,    7560, 720,  2175, 855,   15, kLightGreen,    kDefaultColour, {9.75},             kMultiLine,  kNoBorder,   "INPUT LOWEST\r\nFREQUENCY IN\r\nMEGAHERTZ\r\n", "Instructions"},
    {"Text14",   Kind::TextBox,    6240, 720,  1095, 375,   14, kPaleOrange,    kRed,           {12, true},         kSingleLine, kWithBorder, "000.00", "Lowest frequency in megahertz"},
    {"Text8",    Kind::TextBox,    2040, 120,  1695, 285,   8,  kLightGreen,    kBlue,          kDefaultFont,       kSingleLine, kNoBorder,   "DISC DIAMETER", "Disc diameter caption"},
    {"Text1",    Kind::TextBox,    5880, 120,  4095, 495,   1,  kLightGreen,    kBlue,          {13.5, true, true}, kSingleLine, kNoBorder,   "DISCONES by ZORVAL", "Title"},
    {"Picture1", Kind::PictureBox, 0,    360,  6135, 6375,  0,  kLightGreen,    kDefaultColour, kDefaultFont,       kSingleLine, kNoBorder,   "", "Antenna diagram", ":/images/antenna.bmp"},
};

constexpr ControlRow kPictureControls[] = {
    {"Text18",   Kind::TextBox,    3360, 4200, 855,  285,   19, kYellow,        kRed,           kDefaultFont,       kSingleLine, kWithBorder, "000.00", "Maximum mesh spacing for large wire cones"},
    {"Text17",   Kind::TextBox,    1920, 3960, 1335, 975,   18, kLightGreen,    kBlue,          kDefaultFont,       kMultiLine,  kNoBorder,   "MAXIMUM  MESH\r\nSPACING FOR\r\nLARGE WIRE \r\nCONES\r\n", "Mesh spacing caption"},
    {"Text13",   Kind::TextBox,    4440, 2280, 1095, 735,   13, kLightGreen,    kBlue,          kDefaultFont,       kMultiLine,  kNoBorder,   "HEIGHT TO\r\nBOTTOM\r\nOF DISC\r\n", "Height to bottom of disc caption"},
    {"Text12",   Kind::TextBox,    2040, 5760, 1695, 285,   12, kLightGreen,    kBlue,          kDefaultFont,       kSingleLine, kNoBorder,   "SKIRT DIAMETER", "Skirt diameter caption"},
    {"Text11",   Kind::TextBox,    2160, 3000, 1095, 495,   11, kLightGreen,    kBlue,          kDefaultFont,       kMultiLine,  kNoBorder,   "MINIMUM\r\nDIAMETER\r\n", "Minimum diameter caption"},
    {"Text10",   Kind::TextBox,    360,  1680, 975,  495,   10, kLightGreen,    kBlue,          kDefaultFont,       kMultiLine,  kNoBorder,   "SIDE\r\nLENGTH\r\n", "Side length caption"},
    {"Text9",    Kind::TextBox,    3960, 1200, 1095, 285,   9,  kLightGreen,    kBlue,          kDefaultFont,       kSingleLine, kNoBorder,   "SPACING", "Spacing caption"},
    {"Text7",    Kind::TextBox,    2400, 5400, 735,  285,   7,  kYellow,        kRed,           kDefaultFont,       kSingleLine, kWithBorder, "000.00", "Skirt diameter"},
    {"Text6",    Kind::TextBox,    4920, 1920, 735,  285,   6,  kYellow,        kRed,           kDefaultFont,       kSingleLine, kWithBorder, "000.00", "Height to bottom of disc"},
    {"Text5",    Kind::TextBox,    2280, 2640, 735,  285,   5,  kYellow,        kRed,           kDefaultFont,       kSingleLine, kWithBorder, "000.00", "Minimum diameter"},
    {"Text4",    Kind::TextBox,    720,  2160, 735,  285,   4,  kYellow,        kRed,           kDefaultFont,       kSingleLine, kWithBorder, "000.00", "Side length"},
    {"Text3",    Kind::TextBox,    3960, 840,  615,  285,   3,  kYellow,        kRed,           kDefaultFont,       kSingleLine, kWithBorder, "00.00", "Spacing"},
    {"Text2",    Kind::TextBox,    2280, 0,    735,  285,   2,  kYellow,        kRed,           kDefaultFont,       kSingleLine, kWithBorder, "000.00", "Disc diameter"},
};

constexpr LineRow kPictureLines[] = {
    {"Line4", 720,  4320, 1800, 4320},
    {"Line3", 1560, 4080, 1440, 5040},
    {"Line2", 1200, 3960, 720,  5040},
    {"Line1", 600,  4680, 1800, 4680},
};
// clang-format on

constexpr ContainerTable kContainers[] = {
    {nullptr, kWindowControls, {}},
    {"Picture1", kPictureControls, kPictureLines},
};

constexpr WindowTable kForm1{"Form1", "DISCONE", 9825, 6945, kLightGreen, kContainers};

// The result box that shows each dimension.
struct ResultBox {
    Dimension dimension;
    const char* box;
};
constexpr ResultBox kResultBoxes[] = {
    {Dimension::HeightToDisc, "Text6"},    {Dimension::SideLength, "Text4"},
    {Dimension::DiscSpacing, "Text3"},     {Dimension::DiscDiameter, "Text2"},
    {Dimension::MinimumDiameter, "Text5"}, {Dimension::MeshSpacing, "Text18"},
    {Dimension::SkirtDiameter, "Text7"},
};
static_assert(std::size(kResultBoxes) == kDimensionCount);

} // namespace

Form1::Form1(Program& program) : program_(program) {
    buildWindow(this, kForm1);
    Text14 = findControl<TextBox>(this, "Text14");
    Command1 = findControl<CaptionButton>(this, "Command1");
    Command2 = findControl<CaptionButton>(this, "Command2");
    Command3 = findControl<CaptionButton>(this, "Command3");
    WEBSITE = findControl<CaptionButton>(this, "WEBSITE");
    for (const ResultBox& row : kResultBoxes)
        resultBoxes_[static_cast<std::size_t>(row.dimension)] = findControl<TextBox>(this, row.box);

    connect(Text14, &TextBox::clicked, this, guarded([this] { Text14_Click(); }));
    connect(Command1, &QPushButton::clicked, this, guarded([this] { Command1_Click(); }));
    connect(Command3, &QPushButton::clicked, this, guarded([this] { Command3_Click(); }));
    connect(Command2, &QPushButton::clicked, this, guarded([this] { Command2_Click(); }));
    connect(WEBSITE, &QPushButton::clicked, this, guarded([this] { WEBSITE_Click(); }));
    offerPrediction(this, findControl<Surface>(this, "Picture1"), resultBoxes_,
                    [this] { program_.showWindow(WindowKind::Prediction); });
}

// Calculates from the input box and writes the seven result boxes in the
// unit's order; an error leaves every box and Module1 as they were. The boxes
// show bare numbers, so a screen reader also learns their unit from the
// description.
void Form1::writeResults(Unit unit) {
    const Separators sep = systemSeparators();
    const DisconeDimensions dimensions =
        calculateDimensions(readSingle(Text14->text().toStdString(), sep));
    const ResultTexts texts = formatDimensions(dimensions, unit, sep);
    const QString description =
        unit == Unit::Inches ? QStringLiteral("in inches") : QStringLiteral("in centimetres");
    for (const DimensionDescriptor& row : descriptors(unit)) {
        TextBox* box = resultBoxes_[static_cast<std::size_t>(row.dimension)];
        box->setBoxText(QString::fromStdString(texts[row.dimension]));
        box->setAccessibleDescription(description);
    }
    program_.calculated(dimensions, unit);
}

void Form1::Command1_Click() {
    writeResults(Unit::Inches);
}

void Form1::Command3_Click() {
    writeResults(Unit::Centimetres);
}

void Form1::Command2_Click() {
    program_.showWindow(WindowKind::Info);
}

void Form1::WEBSITE_Click() {
    program_.showWindow(WindowKind::Web);
}

void Form1::Text14_Click() {
    Text14->setBoxText(
        QString::fromStdString(singleText(program_.Module1.LowestFrequency, systemSeparators())));
    // Typed digits replace the refilled number instead of joining it.
    Text14->selectWholeText();
}

} // namespace discone::ui
