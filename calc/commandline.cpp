// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "commands.h"
#include "runtime_error.h"

#include <initializer_list>
#include <optional>

namespace discone {
namespace {

// Keys of the result lines, in the order of Dimension.
constexpr std::string_view kKeys[kDimensionCount] = {
    "height-to-disc",   "side-length",  "disc-spacing",  "disc-diameter",
    "minimum-diameter", "mesh-spacing", "skirt-diameter"};

constexpr std::string_view kHelp =
    R"(Usage: discone [OPTION]...
Calculate the dimensions of a discone antenna from its lowest frequency.

With no option, open the calculator's windows. With --inches or --cm, print
the antenna's seven dimensions for the lowest frequency FREQ in megahertz, one
per line as a key, a tab and the value: height-to-disc, side-length,
disc-spacing, disc-diameter, minimum-diameter, mesh-spacing and
skirt-diameter, in this order. Each value is the text the window shows.

Options:
  --inches FREQ   print the dimensions in inches
  --cm FREQ       print the dimensions in centimetres
  --help          display this help and exit
  --version       output version information and exit

FREQ may also follow its option after '=', as in --cm=146, and a FREQ that
starts with '-' is still a frequency. It is read like the window's input box:
blanks around it, a sign, the locale's decimal and digit-group separators and
an exponent (1.46E2) are accepted.

Exit status:
  0  if OK,
  1  if FREQ cannot be calculated with (not a number, zero, too large or too
     small) or the output cannot be written,
  2  if the command line is wrong.

Environment:
  LC_ALL      the locale whose decimal and digit-group separators FREQ and the
              values are written with
  LC_NUMERIC  the same, where LC_ALL is not set
  LANG        the same, where neither LC_ALL nor LC_NUMERIC is set
)";

// Concatenation by appending (GCC 12 warns falsely, -Wrestrict, on some
// operator+ chains of std::string at -O3).
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text.append(part);
    return text;
}

CommandLineResult usageError(std::initializer_list<std::string_view> problem) {
    return {
        kExitUsage,
        {},
        joined({"discone: ", joined(problem), "\nTry 'discone --help' for more information.\n"})};
}

CommandLineResult calculate(Unit unit, std::string_view frequency, const Separators& sep) {
    try {
        const ResultTexts texts = resultTexts(unit, frequency, sep);
        std::string out;
        for (std::size_t i = 0; i < kDimensionCount; ++i) {
            out.append(kKeys[i]);
            out += '\t';
            out.append(texts[static_cast<Dimension>(i)]);
            out += '\n';
        }
        return {kExitSuccess, std::move(out), {}};
    } catch (const RuntimeError& error) {
        return {kExitCalculationFailed, {}, joined({"discone: ", errorMessage(error, ": "), "\n"})};
    }
}

} // namespace

CommandLineResult runCommandLine(std::span<const std::string_view> args, const Separators& sep) {
    std::optional<Unit> unit;
    std::string_view frequency;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // "-" on its own is an operand, as everywhere.
        if (optionsEnded || arg.size() < 2 || arg[0] != '-')
            return usageError({"unexpected argument '", arg, "'"});
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const bool attached = equals != std::string_view::npos;
        if (name == "--help" || name == "--version") {
            if (attached)
                return usageError({"option '", name, "' takes no value"});
            if (name == "--help")
                return {kExitSuccess, std::string(kHelp), {}};
            return {kExitSuccess, "discone " DISCONE_VERSION "\n", {}};
        }
        std::optional<Unit> given;
        if (name == "--inches")
            given = Unit::Inches;
        else if (name == "--cm")
            given = Unit::Centimetres;
        else
            return usageError({"unrecognized option '", arg, "'"});
        if (attached)
            frequency = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            frequency = args[++i];
        else
            return usageError({"option '", name, "' requires a frequency"});
        if (unit)
            return usageError({"only one of '--inches' and '--cm' may be given"});
        unit = given;
    }
    if (!unit)
        return usageError({"nothing to calculate: give --inches FREQ or --cm FREQ"});
    return calculate(*unit, frequency, sep);
}

} // namespace discone
