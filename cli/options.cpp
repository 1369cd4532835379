// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <iterator>
#include <vector>

namespace discone::cli {

namespace {

constexpr double kNoDefault = NAN;

// The command line's own options, in the order --help lists them; the
// study's settings follow the model's outputs.
// clang-format off
const OptionRow kOwn[] = {
    {OptionId::Inches, "--inches", "", "FREQ", ValueKind::Frequency, Section::Calculation,
     -INFINITY, INFINITY, kNoDefault, "print the dimensions in inches", std::nullopt},
    {OptionId::Cm, "--cm", "", "FREQ", ValueKind::Frequency, Section::Calculation,
     -INFINITY, INFINITY, kNoDefault, "print the dimensions in centimetres", std::nullopt},
    {OptionId::Help, "--help", "-h", "", ValueKind::None, Section::Calculation,
     -INFINITY, INFINITY, kNoDefault, "display this help and exit", std::nullopt},
    {OptionId::Version, "--version", "", "", ValueKind::None, Section::Calculation,
     -INFINITY, INFINITY, kNoDefault, "output version information and exit", std::nullopt},
    {OptionId::Nec, "--nec", "", "", ValueKind::None, Section::Model, -INFINITY, INFINITY,
     kNoDefault, "print the NEC-2 model of the antenna as a card deck instead of the dimensions, "
                 "for opening in xnec2c or running in nec2c: one pin on the axis with the one "
                 "source, so the impedance they print is the antenna's", std::nullopt},
    {OptionId::Swr, "--swr", "", "", ValueKind::None, Section::Model, -INFINITY, INFINITY,
     kNoDefault, "print the antenna's predicted SWR against 50 ohms (or --z0's) instead of the dimensions, "
                 "for gnuplot, numpy or a spreadsheet: header lines, one line per frequency "
                 "(MHz, resistance and reactance in ohms, SWR, gain at the horizon and of the "
                 "strongest lobe in dBi, the lobe's elevation in degrees, separated by tabs, "
                 "with a point in every locale) and a summary in '#' lines; the impedance and "
                 "the gains are corrected by the model's average gain", std::nullopt},
    {OptionId::Plot, "--plot", "", "FILE", ValueKind::File, Section::Model, -INFINITY, INFINITY,
     kNoDefault, "draw the SWR, and under it the gain at the horizon, into FILE, an .svg or a "
                 ".png picture", std::nullopt},
    {OptionId::Smith, "--smith", "", "FILE", ValueKind::File, Section::Model, -INFINITY, INFINITY,
     kNoDefault, "draw the predicted impedance on a Smith chart against 50 ohms (or --z0's), "
                 "with the measurement of --measured beside it, into FILE, an .svg or a .png "
                 "picture", std::nullopt},
    {OptionId::Sheet, "--sheet", "", "FILE", ValueKind::File, Section::Model, -INFINITY,
     INFINITY, kNoDefault, "write a build sheet for the workshop into FILE, a .pdf: one A4 page "
                           "(US Letter where the locale's country prints on it) with the seven "
                           "dimensions, the rods' number, diameter and cut lengths, the hub, the "
                           "SWR chart and the summary", std::nullopt},
    {OptionId::S1p, "--s1p", "", "FILE", ValueKind::File, Section::Model, -INFINITY, INFINITY,
     kNoDefault, "write the predicted sweep into FILE as a Touchstone file (S11 against 50 ohms, or --z0's), "
                 "for analyser software and NEC programs", std::nullopt},
    {OptionId::Measured, "--measured", "", "FILE", ValueKind::File, Section::Model, -INFINITY,
     INFINITY, kNoDefault, "read the finished antenna's SWR from FILE, a one-port Touchstone file "
                           "(.s1p) as a NanoVNA or another analyser writes it, and show it beside "
                           "the prediction: drawn by --plot and --smith, summed up by --swr",
     std::nullopt},
    {OptionId::Pattern, "--pattern", "", "FILE", ValueKind::File, Section::Model, -INFINITY,
     INFINITY, kNoDefault, "draw the elevation patterns (gain in dBi against the elevation, the "
                           "horizon marked) at FREQ and at 2, 3, 5 and 10 times FREQ into FILE, "
                           "an .svg or a .png picture", std::nullopt},
    {OptionId::Tune, "--tune", "", "", ValueKind::None, Section::Model, -INFINITY, INFINITY,
     kNoDefault, "cut the antenna for the band: find the design frequency F' whose antenna's SWR "
                 "first drops below 2 at FREQ, with the wires of --radials and --wire-diameter, "
                 "and print F' and its dimensions, as --inches F' or --cm F' would", std::nullopt},
};
// clang-format on

// The option of each of the study's settings, in the study's order.
constexpr std::pair<study::Setting, OptionId> kSettingOptions[] = {
    {study::Setting::PatternAt, OptionId::At},
    {study::Setting::Radials, OptionId::Radials},
    {study::Setting::WireDiameter, OptionId::WireDiameter},
    {study::Setting::Highest, OptionId::To},
    {study::Setting::Points, OptionId::Points},
    {study::Setting::ReferenceOhms, OptionId::Z0},
    {study::Setting::Feedline, OptionId::Feedline},
};

ValueKind kindOf(study::Reading reading) {
    switch (reading) {
    case study::Reading::Whole:
        return ValueKind::Whole;
    case study::Reading::Decimal:
        return ValueKind::Decimal;
    case study::Reading::List:
        return ValueKind::List;
    case study::Reading::Text:
        return ValueKind::Text;
    }
    return ValueKind::Text;
}

std::vector<OptionRow> allOptions() {
    std::vector<OptionRow> rows(std::begin(kOwn), std::end(kOwn));
    for (const auto& [id, option] : kSettingOptions) {
        const study::SettingDescriptor& d = study::setting(id);
        rows.push_back({option, d.option, "", d.metavar, kindOf(d.reading), Section::Model, d.low,
                        d.high, d.byDefault, d.help, id});
    }
    return rows;
}

// Made at first use: the study's table is another file's.
const std::vector<OptionRow>& table() {
    static const std::vector<OptionRow> rows = allOptions();
    return rows;
}

// Qt's own options (QGuiApplication's and QApplication's), which open the
// windows, and whether each takes a value.
struct WindowOption {
    std::string_view name;
    bool takesValue;
};
constexpr WindowOption kWindowOptions[] = {
    {"-platform", true},        {"-platformpluginpath", true},
    {"-platformtheme", true},   {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},
    {"-qwindowtitle", true},    {"-session", true},
    {"-display", true},         {"-geometry", true},
    {"-style", true},           {"-stylesheet", true},
    {"-title", true},           {"-name", true},
    {"-visual", true},          {"-reverse", false},
    {"-widgetcount", false},    {"-nograb", false},
    {"-dograb", false},         {"-sync", false},
};

} // namespace

std::span<const OptionRow> options() {
    return table();
}

const OptionRow* findOption(std::string_view name) {
    for (const OptionRow& row : table())
        if (row.name == name || (!row.shortName.empty() && row.shortName == name))
            return &row;
    return nullptr;
}

const OptionRow& option(OptionId id) {
    for (const OptionRow& row : table())
        if (row.id == id)
            return row;
    return table()[0]; // every id has a row
}

std::string synopsis(const OptionRow& row) {
    std::string text;
    if (!row.shortName.empty())
        text.append(row.shortName).append(", ");
    text.append(row.name);
    if (!row.metavar.empty())
        text.append(" ").append(row.metavar);
    return text;
}

bool isWindowOption(std::string_view arg, bool& takesValue) {
    // Qt takes its options with one dash or two, and some of them with '='.
    if (arg.starts_with("--"))
        arg.remove_prefix(1);
    const auto equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    for (const WindowOption& o : kWindowOptions) {
        if (o.name == name) {
            takesValue = o.takesValue && equals == std::string_view::npos;
            return equals == std::string_view::npos || o.takesValue;
        }
    }
    // The QML debugger's port comes only after '='.
    takesValue = false;
    return arg.starts_with("-qmljsdebugger=");
}

bool opensWindows(std::span<const std::string_view> args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool takesValue = false;
        // A window option's value may look like anything, even "--cm".
        if (!isWindowOption(args[i], takesValue) || (takesValue && ++i == args.size()))
            return false;
    }
    return true;
}

} // namespace discone::cli
