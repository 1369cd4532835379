// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading the arguments into a Request, strictly: every option at most once,
// numbers for the model without digit groups, and the combinations that
// make sense.
#include "commandline.h"
#include "messages.h"
#include "options.h"

#include <charconv>
#include <optional>

namespace discone::cli {

namespace {

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

// The option's number, read and checked by its setting; a usage error
// otherwise.
std::optional<Result> readNumber(const OptionRow& row, std::string_view value,
                                 const Separators& sep, double& into) {
    const study::SettingDescriptor& setting = study::setting(*row.setting);
    if (const auto number = study::readSetting(setting, value, sep)) {
        into = *number;
        return std::nullopt;
    }
    return usageError({"'", row.name, "' takes ", study::wanted(setting, sep), " (", row.help,
                       "), not ", quoted(value)});
}

// --at's frequencies: plain numbers separated by commas, so a point is their
// decimal separator in every locale.
std::optional<Result> readList(Request& r, const OptionRow& row, std::string_view value) {
    const Separators point{".", ""};
    r.atText = value;
    for (std::size_t start = 0;;) {
        const std::size_t comma = value.find(',', start);
        const std::string_view item = value.substr(start, comma - start);
        const auto mhz = readPlainNumber(item, point);
        if (!mhz || *mhz <= 0)
            return usageError({"'", row.name,
                               "' takes frequencies in megahertz separated by "
                               "commas, such as 146,292.5, not ",
                               quoted(value)});
        r.at.push_back(*mhz);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (r.at.size() > static_cast<std::size_t>(nec::kMostPatternFrequencies))
        return usageError({"'", row.name, "' takes at most ",
                           std::to_string(nec::kMostPatternFrequencies), " frequencies, not ",
                           std::to_string(r.at.size())});
    if (r.modelOption.empty())
        r.modelOption = row.name;
    return std::nullopt;
}

// Records one option and its value; returns a usage error, or nothing.
std::optional<Result> apply(Request& r, const OptionRow& row, std::string_view value,
                            const Separators& sep) {
    double number = 0;
    if (row.kind == ValueKind::Whole || row.kind == ValueKind::Decimal) {
        if (auto error = readNumber(row, value, sep, number))
            return error;
        if (r.modelOption.empty())
            r.modelOption = row.name;
    }
    switch (row.id) {
    case OptionId::Inches:
    case OptionId::Cm:
        if (r.unit)
            return usageError({"only one of '--inches' and '--cm' may be given"});
        r.unit = row.id == OptionId::Inches ? Unit::Inches : Unit::Centimetres;
        r.frequency = value;
        break;
    case OptionId::Nec:
        r.deck = true;
        break;
    case OptionId::Swr:
        r.table = true;
        break;
    case OptionId::Plot:
    case OptionId::Smith:
    case OptionId::Pattern:
        if (!endsWithNoCase(value, ".svg") && !endsWithNoCase(value, ".png"))
            return usageError({"the picture ", quoted(value), " must be named .svg or .png"});
        (row.id == OptionId::Plot    ? r.plotFile
         : row.id == OptionId::Smith ? r.smithFile
                                     : r.patternFile) = std::string(value);
        break;
    case OptionId::Sheet:
        if (!endsWithNoCase(value, ".pdf"))
            return usageError({"the build sheet ", quoted(value), " must be named .pdf"});
        r.sheetFile = std::string(value);
        break;
    case OptionId::S1p:
        r.s1pFile = std::string(value);
        break;
    case OptionId::Measured:
        r.measuredFile = std::string(value);
        break;
    case OptionId::Tune:
        r.tune = true;
        break;
    case OptionId::At:
        return readList(r, row, value);
    case OptionId::Radials:
        r.options.radials = static_cast<int>(number);
        break;
    case OptionId::WireDiameter:
        r.options.wireDiameterMm = number;
        break;
    case OptionId::To:
        r.options.highestMHz = number;
        break;
    case OptionId::Points:
        r.options.points = static_cast<int>(number);
        break;
    case OptionId::Z0:
        r.options.referenceOhms = number;
        break;
    case OptionId::Feedline:
        try {
            r.options.feedline = study::parseFeedline(value);
        } catch (const study::FeedlineError& error) {
            return usageError({"'", row.name, "': ", error.what()});
        }
        if (r.modelOption.empty())
            r.modelOption = row.name;
        break;
    case OptionId::Help:
    case OptionId::Version:
        break;
    }
    return std::nullopt;
}

// The option a mistyped name most likely meant, as "; did you mean '--x'?".
std::string suggestion(std::string_view name) {
    const OptionRow* match = nullptr;
    for (const OptionRow& row : options()) {
        if (name.size() > 2 && row.name.starts_with(name)) {
            if (match)
                return {};
            match = &row;
        }
    }
    return match ? joined({"; did you mean '", match->name, "'?"}) : std::string();
}

} // namespace

std::variant<Request, Result> parse(std::span<const std::string_view> args, const Separators& sep) {
    Request r;
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
        if (row == nullptr) {
            bool takesValue = false;
            if (isWindowOption(arg, takesValue)) {
                if (r.windowOption.empty())
                    r.windowOption = arg;
                i += takesValue;
                continue;
            }
            return usageError({"unrecognized option ", quoted(arg), suggestion(name)});
        }
        const bool takesValue = row->kind != ValueKind::None;
        if (!takesValue && attached)
            return usageError({"option '", row->name, "' takes no value"});
        if (row->id == OptionId::Help)
            return Result{kExitSuccess, helpText(sep), {}, false};
        if (row->id == OptionId::Version)
            return Result{kExitSuccess, "discone " DISCONE_VERSION "\n", {}, false};
        const auto bit = static_cast<std::size_t>(row->id);
        if (r.given.test(bit) && row->id != OptionId::Inches && row->id != OptionId::Cm)
            return usageError({"option '", row->name, "' may be given only once"});
        r.given.set(bit);
        std::string_view value;
        if (attached)
            value = arg.substr(equals + 1);
        else if (takesValue && i + 1 < args.size())
            value = args[++i];
        else if (takesValue)
            return usageError({"option '", row->name, "' requires a value"});
        if (auto error = apply(r, *row, value, sep))
            return *error;
    }
    if (!r.windowOption.empty())
        return usageError({quoted(r.windowOption),
                           " is one of Qt's options for the windows, which the command line's "
                           "options do not open"});
    if (!r.unit)
        return usageError({"nothing to calculate: give --inches FREQ or --cm FREQ"});
    if (r.deck && r.table)
        return usageError({"'--nec' and '--swr' both print on standard output: give one of them"});
    const bool outputs = r.deck || r.needsSweep() || !r.patternFile.empty() || r.tune;
    if (!r.modelOption.empty() && !outputs)
        return usageError({"'", r.modelOption,
                           "' is a model option: it needs --nec, --swr, --plot, --smith, --sheet, "
                           "--s1p, --pattern or --tune"});
    if (!r.at.empty() && r.patternFile.empty())
        return usageError({"'--at' gives the frequencies of --pattern, which is not given"});
    if (!r.measuredFile.empty() && !r.table && r.plotFile.empty() && r.smithFile.empty())
        return usageError(
            {"'--measured' is shown with --swr, --plot or --smith: give one of them"});
    if (r.tune && (r.deck || r.needsSweep() || !r.patternFile.empty() ||
                   r.given.test(static_cast<std::size_t>(OptionId::To)) ||
                   r.given.test(static_cast<std::size_t>(OptionId::Points))))
        return usageError({"'--tune' prints the tuned design's dimensions, with --radials and "
                           "--wire-diameter only; model the design it gives with a second run"});
    if (r.options.feedline && !r.table && r.plotFile.empty() && r.sheetFile.empty())
        return usageError(
            {"'--feedline' is shown with --swr, --plot or --sheet: give one of them"});
    return r;
}

} // namespace discone::cli
