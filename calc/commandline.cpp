// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "errors.h"

#include <charconv>
#include <initializer_list>
#include <optional>

namespace discone {
namespace {

enum class Option { Inches, Cm, Help, Version, Nec, Swr, Plot, Radials, WireDiameter, To, Points };

struct OptionRow {
    Option id;
    std::string_view name;
    bool takesValue;
};

constexpr OptionRow kOptions[] = {
    {Option::Inches, "--inches", true},
    {Option::Cm, "--cm", true},
    {Option::Help, "--help", false},
    {Option::Version, "--version", false},
    {Option::Nec, "--nec", false},
    {Option::Swr, "--swr", false},
    {Option::Plot, "--plot", true},
    {Option::Radials, "--radials", true},
    {Option::WireDiameter, "--wire-diameter", true},
    {Option::To, "--to", true},
    {Option::Points, "--points", true},
};

const OptionRow* findOption(std::string_view name) {
    for (const OptionRow& row : kOptions) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

constexpr std::string_view kHelpStart =
    R"(Usage: discone [OPTION]...
Calculate the dimensions of a discone antenna from its lowest frequency, and
predict how the antenna will perform.

With no option, open the calculator's windows (Qt's own options, such as
-platform and -display, are accepted). With --inches or --cm, print the
antenna's seven dimensions for the lowest frequency FREQ in megahertz, one per
line as a key, a tab and the value: )";

constexpr std::string_view kHelpEnd = R"(. Each value is the text the window shows.

Options:
  --inches FREQ   print the dimensions in inches
  --cm FREQ       print the dimensions in centimetres
  --help          display this help and exit
  --version       output version information and exit

Model options, with --inches or --cm (the antenna modelled in free space by
Debian's nec2c program, with the dimensions as calculated):
  --nec           print the NEC-2 model of the antenna (a card deck) instead
                  of the dimensions
  --swr           print the antenna's predicted SWR against 50 ohms from FREQ
                  to ten times FREQ instead of the dimensions: a header line,
                  one line per frequency (MHz, resistance and reactance in
                  ohms, SWR, separated by tabs) and a summary in '#' lines
  --plot FILE     draw the SWR into FILE, an .svg or a .png picture
  --radials N     wires in the disc and in the cone, 3 to 64 (default 16)
  --wire-diameter MM  the wires' diameter in millimetres (default 2)
  --to MHZ        the highest frequency of the sweep (default ten times FREQ)
  --points N      frequencies in the sweep, 2 to 1000, spaced evenly on a
                  logarithmic scale (default 101)

A value may also follow its option after '=', as in --cm=146, and a FREQ that
starts with '-' is still a frequency. FREQ, MM and MHZ are read like the
window's input box: blanks around them, a sign, the locale's decimal and
digit-group separators and an exponent (1.46E2) are accepted.

Exit status:
  0  if OK,
  1  if FREQ cannot be calculated with (not a number, zero, too large or too
     small), the model cannot be run, or the output cannot be written,
  2  if the command line is wrong.

Environment:
  LC_ALL      the locale whose decimal and digit-group separators FREQ and the
              values are written with
  LC_NUMERIC  the same, where LC_ALL is not set
  LANG        the same, where neither LC_ALL nor LC_NUMERIC is set
  PATH        where nec2c is looked for
)";

// Concatenation by appending (GCC 12 warns falsely, -Wrestrict, on some
// operator+ chains of std::string at -O3).
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text.append(part);
    return text;
}

std::string helpText() {
    // The keys in the order the results are listed, from the formatter's table.
    std::string keys;
    const DescriptorTable& rows = descriptors(Unit::Inches);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0)
            keys.append(i + 1 == rows.size() ? " and " : ", ");
        keys.append(rows[i].key);
        if (i == 3)
            keys += '\n'; // keeps the paragraph within 80 columns
    }
    return joined({kHelpStart, keys, ", in this order", kHelpEnd});
}

CommandLineResult usageError(std::initializer_list<std::string_view> problem) {
    return {
        kExitUsage,
        {},
        joined({"discone: ", joined(problem), "\nTry 'discone --help' for more information.\n"})};
}

// A whole number from `low` to `high`, or nothing.
std::optional<int> wholeNumber(std::string_view text, int low, int high) {
    int value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || value < low ||
        value > high)
        return std::nullopt;
    return value;
}

// A positive finite number in the locale's form, or nothing.
std::optional<double> positiveNumber(std::string_view text, const Separators& sep) {
    try {
        const double value = readDouble(text, sep);
        if (value > 0)
            return value;
    } catch (const CalculationError&) {
    }
    return std::nullopt;
}

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size())
        return false;
    text = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? char(text[i] - 'A' + 'a') : text[i];
        if (c != suffix[i])
            return false;
    }
    return true;
}

std::string dimensionLines(const ResultTexts& texts) {
    std::string out;
    for (const DimensionDescriptor& row : descriptors(Unit::Inches)) {
        out.append(row.key);
        out += '\t';
        out.append(texts[row.dimension]);
        out += '\n';
    }
    return out;
}

struct Parsed {
    std::optional<Unit> unit;
    std::string_view frequency;
    ModelRequest model;
    bool modelOption = false; // one of --radials, --wire-diameter, --to, --points
};

// Records one option and its value; returns a usage error, or nothing.
std::optional<CommandLineResult> apply(Parsed& p, const OptionRow& row, std::string_view value,
                                       const Separators& sep) {
    switch (row.id) {
    case Option::Inches:
    case Option::Cm:
        if (p.unit)
            return usageError({"only one of '--inches' and '--cm' may be given"});
        p.unit = row.id == Option::Inches ? Unit::Inches : Unit::Centimetres;
        p.frequency = value;
        return std::nullopt;
    case Option::Nec:
        p.model.deck = true;
        return std::nullopt;
    case Option::Swr:
        p.model.sweep = true;
        return std::nullopt;
    case Option::Plot:
        if (!endsWithNoCase(value, ".svg") && !endsWithNoCase(value, ".png"))
            return usageError({"the picture ", quoted(value), " must be named .svg or .png"});
        p.model.plotFile = std::string(value);
        return std::nullopt;
    case Option::Radials:
        if (auto n = wholeNumber(value, 3, 64))
            p.model.radials = *n;
        else
            return usageError(
                {"'--radials' takes a number of wires from 3 to 64, not ", quoted(value)});
        break;
    case Option::WireDiameter:
        if (auto mm = positiveNumber(value, sep))
            p.model.wireDiameterMm = *mm;
        else
            return usageError({"'--wire-diameter' takes a diameter in millimetres, such as 2, "
                               "not ",
                               quoted(value)});
        break;
    case Option::To:
        if (auto mhz = positiveNumber(value, sep))
            p.model.highestMHz = *mhz;
        else
            return usageError(
                {"'--to' takes a frequency in megahertz, such as 1460, not ", quoted(value)});
        break;
    case Option::Points:
        if (auto n = wholeNumber(value, 2, 1000))
            p.model.points = *n;
        else
            return usageError(
                {"'--points' takes a number of frequencies from 2 to 1000, not ", quoted(value)});
        break;
    case Option::Help:
    case Option::Version:
        return std::nullopt;
    }
    p.modelOption = true;
    return std::nullopt;
}

// What is wrong with the frequency text, after the kind of failure.
std::string_view problem(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return " is not a number of megahertz, such as 146";
    case ErrorKind::Overflow:
        return " is too large or too small a frequency to calculate with; give a number of "
               "megahertz such as 146";
    case ErrorKind::DivisionByZero:
        return " is zero; give a number of megahertz other than zero, such as 146";
    }
    return {};
}

} // namespace

std::string quoted(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "'";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '\\':
            out += "\\\\";
            continue;
        case '\a':
            out += "\\a";
            continue;
        case '\b':
            out += "\\b";
            continue;
        case '\t':
            out += "\\t";
            continue;
        case '\n':
            out += "\\n";
            continue;
        case '\v':
            out += "\\v";
            continue;
        case '\f':
            out += "\\f";
            continue;
        case '\r':
            out += "\\r";
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0x7f) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    out += '\'';
    return out;
}

std::string calculationErrorLine(const CalculationError& error, std::string_view given) {
    return joined(
        {"discone: ", kindName(error.kind()), ": ", quoted(given), problem(error.kind()), "\n"});
}

bool isCommandLineOption(std::string_view arg) {
    return arg == "--" || findOption(arg.substr(0, arg.find('='))) != nullptr;
}

CommandLineResult runCommandLine(std::span<const std::string_view> args, const Separators& sep,
                                 const ModelRunner& runner) {
    Parsed parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // "-" on its own is an operand, as everywhere.
        if (optionsEnded || arg.size() < 2 || arg[0] != '-')
            return usageError({"unexpected argument ", quoted(arg)});
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const bool attached = equals != std::string_view::npos;
        const OptionRow* row = findOption(name);
        if (row == nullptr)
            return usageError({"unrecognized option ", quoted(arg)});
        if (!row->takesValue && attached)
            return usageError({"option '", name, "' takes no value"});
        if (row->id == Option::Help)
            return {kExitSuccess, helpText(), {}};
        if (row->id == Option::Version)
            return {kExitSuccess, "discone " DISCONE_VERSION "\n", {}};
        std::string_view value;
        if (attached)
            value = arg.substr(equals + 1);
        else if (row->takesValue && i + 1 < args.size())
            value = args[++i];
        else if (row->takesValue)
            return usageError({"option '", name, "' requires a value"});
        if (auto error = apply(parsed, *row, value, sep))
            return *error;
    }
    if (!parsed.unit)
        return usageError({"nothing to calculate: give --inches FREQ or --cm FREQ"});
    if (parsed.modelOption && !parsed.model.any())
        return usageError({"the model options need --nec, --swr or --plot"});
    if (parsed.model.any() && !runner)
        return usageError({"this program cannot model the antenna"});

    DisconeDimensions dimensions;
    ResultTexts texts;
    try {
        dimensions = calculateDimensions(readSingle(parsed.frequency, sep));
        texts = formatDimensions(dimensions, *parsed.unit, sep);
    } catch (const CalculationError& error) {
        return {kExitCalculationFailed, {}, calculationErrorLine(error, parsed.frequency)};
    }
    CommandLineResult result;
    if (!parsed.model.deck && !parsed.model.sweep)
        result.out = dimensionLines(texts);
    if (parsed.model.any()) {
        CommandLineResult model = runner(parsed.model, dimensions, *parsed.unit);
        if (model.status != kExitSuccess)
            return {model.status, {}, model.err}; // nothing half-done on standard output
        result.out.append(model.out);
        result.err.append(model.err);
    }
    return result;
}

} // namespace discone
