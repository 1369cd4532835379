// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The --help text, made from the option table and wrapped at word
// boundaries, so that no line is longer than a terminal's 80 columns and the
// manual page made from it reads as prose.
#include "commandline.h"
#include "formatter.h"
#include "options.h"

#include <algorithm>
#include <initializer_list>
#include <sstream>

namespace discone::cli {

namespace {

constexpr std::size_t kWidth = 79;
constexpr char kKeepTogether = '\x1f';  // a blank the lines are not broken at
constexpr std::size_t kHelpColumn = 25; // where an option's description starts

// `text` wrapped at blanks into lines of at most kWidth columns, the first
// starting after `first` (already on the line), the others with `indent`.
std::string wrapped(std::string_view text, std::string first, std::size_t indent) {
    std::string out, line = std::move(first);
    bool empty = true; // no word on the line yet
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = std::min(text.find(' ', i), text.size());
        const std::string_view word = text.substr(i, end - i);
        i = end + 1;
        if (word.empty())
            continue;
        if (!empty && line.size() + 1 + word.size() > kWidth) {
            out += line + '\n';
            line.assign(indent, ' ');
            empty = true;
        }
        if (!empty)
            line += ' ';
        line += word;
        empty = false;
    }
    out += line + '\n';
    std::replace(out.begin(), out.end(), kKeepTogether, ' ');
    return out;
}

std::string paragraph(std::string_view text) {
    return wrapped(text, "", 0);
}

// Digits the way people write them in the user's locale.
std::string amount(double value, const Separators& sep) {
    return doubleText(value, sep);
}

std::string optionLines(Section section, const Separators& sep) {
    std::string out;
    for (const OptionRow& row : options()) {
        if (row.section != section)
            continue;
        std::string text(row.help);
        if (row.kind == ValueKind::Whole ||
            (row.kind == ValueKind::Decimal && std::isfinite(row.high)))
            text += ", " + amount(row.low, sep) + " to " + amount(row.high, sep);
        else if (row.kind == ValueKind::Decimal && row.low > 0)
            text += ", at least " + amount(row.low, sep);
        if (!std::isnan(row.byDefault)) {
            // "(default" as one constant: split across two, the word in the
            // binary reads as a misspelling to the package checker.
            text.append(" ").append("(default").append(1, kKeepTogether);
            text += amount(row.byDefault, sep) + ")";
        }
        std::string head = "  " + synopsis(row);
        if (head.size() + 2 > kHelpColumn) {
            out += head + '\n';
            head.clear();
        }
        head.resize(kHelpColumn, ' ');
        out += wrapped(text, head, kHelpColumn);
    }
    return out;
}

} // namespace

std::string helpText(const Separators& sep) {
    // The keys in the order the results are listed, from the formatter's table.
    std::string keys;
    const DescriptorTable& rows = descriptors(Unit::Inches);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0)
            keys.append(i + 1 == rows.size() ? " and " : ", ");
        keys.append(rows[i].key);
    }
    std::string text = "Usage: discone [OPTION]...\n";
    text += paragraph("Calculate the dimensions of a discone antenna from its lowest frequency, "
                      "and predict how the antenna will perform.");
    text += '\n';
    text += paragraph("With no option, or with Qt's options only (such as -platform, -display "
                      "and -style), open the calculator's windows. With --inches or --cm, print "
                      "the antenna's seven dimensions for the lowest frequency FREQ in megahertz, "
                      "one per line as a key, a tab and the value: " +
                      keys + ", in this order. Each value is the text the window shows.");
    text += "\nOptions:\n" + optionLines(Section::Calculation, sep) + '\n';
    text += paragraph("Model options, with --inches or --cm: the antenna modelled in free space "
                      "as N rods in the disc and N in the cone, with the dimensions as "
                      "calculated, and run in Debian's nec2c program. Only one of --nec and "
                      "--swr may be given, and each option at most once. A build the model "
                      "cannot take is refused in one line that names the limit and what would "
                      "fit.");
    text += optionLines(Section::Model, sep) + '\n';
    text += paragraph(
        "A value may also follow its option after '=', as in --cm=146, and a FREQ "
        "that starts with '-' is still a frequency. FREQ is read like the window's "
        "input box: blanks around it, a sign, the locale's decimal and digit-group "
        "separators and an exponent (1" +
        sep.decimal +
        "46E2) are accepted. MM, MHZ and OHMS are plain numbers: digits "
        "with at most one decimal separator (the locale's or a point) and an "
        "exponent. The frequencies of --at are separated by commas, so their "
        "decimals take a point in every locale: " +
        (sep.decimal == "." ? std::string("300.5.") : "300.5, not 300" + sep.decimal + "5."));
    text += "\nExit status:\n";
    text += wrapped("if OK,", "  0  ", 5);
    text += wrapped("if FREQ cannot be calculated with (not a number, zero, too large or too "
                    "small), the model cannot be run, or the output cannot be written,",
                    "  1  ", 5);
    text += wrapped("if the command line is wrong, or the model options describe a model that "
                    "NEC-2 cannot run.",
                    "  2  ", 5);
    text += '\n';
    text += paragraph("Ctrl-C, SIGTERM and SIGHUP stop nec2c and end the program as the signal "
                      "would, with nothing left behind and nothing more printed.");
    text += "\nEnvironment:\n";
    text += wrapped("the locale whose decimal and digit-group separators FREQ and the values "
                    "are written with, and whose country gives the amateur bands of its ITU "
                    "region that the summary and the charts name (those all regions share for "
                    "C or POSIX) and the build sheet's paper",
                    "  LC_ALL       ", 15);
    text += wrapped("the separators, where LC_ALL is not set", "  LC_NUMERIC   ", 15);
    text += wrapped("the country, where LC_ALL is not set", "  LC_MESSAGES  ", 15);
    text += wrapped("both, where those above are not set", "  LANG         ", 15);
    text += wrapped("where nec2c is looked for", "  PATH         ", 15);
    return text;
}

} // namespace discone::cli
