// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "deck.h"
#include "dimensions.h"
#include "formatter.h"
#include "options.h"
#include "savefile.h"

#include <charconv>
#include <initializer_list>
#include <optional>

namespace discone::cli {

namespace {

// Concatenation by appending (GCC 12 warns falsely, -Wrestrict, on some
// operator+ chains of std::string at -O3).
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text.append(part);
    return text;
}

Result usageError(std::initializer_list<std::string_view> problem) {
    return {
        kExitUsage,
        {},
        joined({"discone: ", joined(problem), "\nTry 'discone --help' for more information.\n"}),
        false};
}

Result failure(int status, std::string_view message) {
    return {status, {}, joined({"discone: ", message, "\n"}), false};
}

// Digits with at most one decimal separator (the locale's or a point) and an
// optional exponent, nothing else: a value for the model, where a slip such as
// "1,5" in a locale whose comma groups digits must not quietly mean 15.
std::optional<double> plainNumber(std::string_view text, const Separators& sep) {
    std::string s(text);
    if (!sep.decimal.empty() && sep.decimal != ".")
        if (const auto at = s.find(sep.decimal); at != std::string::npos)
            s.replace(at, sep.decimal.size(), ".");
    std::size_t i = 0, digits = 0;
    const auto run = [&] {
        std::size_t n = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i, ++n;
        return n;
    };
    digits += run();
    if (i < s.size() && s[i] == '.') {
        ++i;
        digits += run();
    }
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (run() == 0)
            return std::nullopt;
    }
    double value = 0;
    const auto res = std::from_chars(s.data(), s.data() + i, value);
    if (i != s.size() || res.ptr != s.data() + i || res.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text[0] == '-' || text[0] == '+' || res.ec != std::errc() ||
        res.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
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

// The option's number, checked against its limits; a usage error otherwise.
std::optional<Result> readNumber(const OptionSpec& spec, std::string_view value,
                                 const Separators& sep, double& into) {
    std::optional<double> number;
    if (spec.kind == ValueKind::Whole) {
        if (auto n = wholeNumber(value))
            number = *n;
    } else {
        number = plainNumber(value, sep);
    }
    const bool inside =
        number && *number >= spec.low && *number <= spec.high && (spec.low > 0 || *number > 0);
    if (inside) {
        into = *number;
        return std::nullopt;
    }
    std::string wanted = spec.kind == ValueKind::Whole
                             ? "a whole number from " + doubleText(spec.low, sep) + " to " +
                                   doubleText(spec.high, sep)
                         : spec.low > 0 ? "a number of at least " + doubleText(spec.low, sep)
                                        : std::string("a number above zero");
    return usageError(
        {"'", spec.name, "' takes ", wanted, " (", spec.help, "), not ", quoted(value)});
}

// Records one option and its value; returns a usage error, or nothing.
std::optional<Result> apply(Request& r, const OptionSpec& spec, std::string_view value,
                            const Separators& sep) {
    double number = 0;
    if (spec.kind == ValueKind::Whole || spec.kind == ValueKind::Decimal) {
        if (auto error = readNumber(spec, value, sep, number))
            return error;
        if (r.modelOption.empty())
            r.modelOption = spec.name;
    }
    switch (spec.id) {
    case OptionId::Inches:
    case OptionId::Cm:
        if (r.unit)
            return usageError({"only one of '--inches' and '--cm' may be given"});
        r.unit = spec.id == OptionId::Inches ? Unit::Inches : Unit::Centimetres;
        r.frequency = value;
        break;
    case OptionId::Nec:
        r.deck = true;
        break;
    case OptionId::Swr:
        r.table = true;
        break;
    case OptionId::Plot:
        if (!endsWithNoCase(value, ".svg") && !endsWithNoCase(value, ".png"))
            return usageError({"the picture ", quoted(value), " must be named .svg or .png"});
        r.plotFile = std::string(value);
        break;
    case OptionId::Radials:
        r.sweep.model.radials = static_cast<int>(number);
        break;
    case OptionId::WireDiameter:
        r.sweep.model.wireDiameterMm = number;
        break;
    case OptionId::To:
        r.sweep.highestMHz = number;
        break;
    case OptionId::Points:
        r.sweep.points = static_cast<int>(number);
        break;
    case OptionId::Help:
    case OptionId::Version:
        break;
    }
    return std::nullopt;
}

// The option a mistyped name most likely meant, as "; did you mean '--x'?".
std::string suggestion(std::string_view name) {
    const OptionSpec* match = nullptr;
    for (const OptionSpec& spec : options()) {
        if (name.size() > 2 && spec.name.starts_with(name)) {
            if (match)
                return {};
            match = &spec;
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
        const OptionSpec* spec = findOption(name);
        if (spec == nullptr) {
            bool takesValue = false;
            if (isWindowOption(arg, takesValue)) {
                if (r.windowOption.empty())
                    r.windowOption = arg;
                i += takesValue;
                continue;
            }
            return usageError({"unrecognized option ", quoted(arg), suggestion(name)});
        }
        const bool takesValue = spec->kind != ValueKind::None;
        if (!takesValue && attached)
            return usageError({"option '", spec->name, "' takes no value"});
        if (spec->id == OptionId::Help)
            return Result{kExitSuccess, helpText(sep), {}, false};
        if (spec->id == OptionId::Version)
            return Result{kExitSuccess, "discone " DISCONE_VERSION "\n", {}, false};
        const auto bit = static_cast<std::size_t>(spec->id);
        if (r.given.test(bit) && spec->id != OptionId::Inches && spec->id != OptionId::Cm)
            return usageError({"option '", spec->name, "' may be given only once"});
        r.given.set(bit);
        std::string_view value;
        if (attached)
            value = arg.substr(equals + 1);
        else if (takesValue && i + 1 < args.size())
            value = args[++i];
        else if (takesValue)
            return usageError({"option '", spec->name, "' requires a value"});
        if (auto error = apply(r, *spec, value, sep))
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
    if (!r.modelOption.empty() && !r.deck && !r.table && r.plotFile.empty())
        return usageError(
            {"'", r.modelOption, "' is a model option: it needs --nec, --swr or --plot"});
    return r;
}

namespace {

std::string dimensionLines(const ResultTexts& texts) {
    std::string out;
    for (const DimensionDescriptor& row : descriptors(Unit::Inches))
        out += joined({row.key, "\t", texts[row.dimension], "\n"});
    return out;
}

std::string_view unitWord(Unit unit) {
    return unit == Unit::Inches ? "inches" : "centimetres";
}

// The deck's first comment lines: the program, the design and its seven
// dimensions as printed, with a point as every number of the deck.
std::vector<std::string> deckHeader(const DisconeDimensions& dimensions, Unit unit) {
    const Separators point{".", ""};
    const ResultTexts texts = formatDimensions(dimensions, unit, point);
    std::vector<std::string> lines;
    lines.push_back(joined({"discone " DISCONE_VERSION ": a discone for ",
                            singleText(dimensions.LowestFrequency, point),
                            " MHz, its dimensions as printed in ", unitWord(unit), ":"}));
    for (const DimensionDescriptor& row : descriptors(Unit::Inches)) {
        const bool solid = row.dimension == Dimension::MeshSpacing && dimensions.MeshSpacing.solid;
        lines.push_back(joined({"  ", row.key, " ", texts[row.dimension],
                                solid                  ? ""
                                : unit == Unit::Inches ? " in"
                                                       : " cm"}));
    }
    return lines;
}

std::string plotTitle(const Request& r, const DisconeDimensions& dimensions,
                      const Separators& sep) {
    return joined({"Discone for ", singleText(dimensions.LowestFrequency, sep), " MHz (",
                   unitWord(*r.unit), "): ", std::to_string(r.sweep.model.radials), " wires of ",
                   doubleText(r.sweep.model.wireDiameterMm, sep), " mm"});
}

// The model options' work, once the design is calculated.
Result runModel(const Request& r, const DisconeDimensions& dimensions, const Context& c) {
    Result result;
    try {
        if (r.deck)
            result.out = nec::printedDeck(dimensions, r.sweep, deckHeader(dimensions, *r.unit));
        if (!r.table && r.plotFile.empty())
            return result;
        if (!c.engine)
            return failure(kExitFailure, "this program cannot run the model");
        if (!r.plotFile.empty()) {
            if (!c.pictures)
                return failure(kExitFailure, "this program cannot draw pictures");
            // Before the sweep, not after it: a wrong folder is found at once.
            c.pictures->prepare(r.plotFile);
        }
        const nec::Sweep sweep = nec::runSweep(dimensions, r.sweep, *c.engine, c.stop, c.progress);
        if (r.table)
            result.out += nec::sweepTable(sweep);
        if (!r.plotFile.empty())
            c.pictures->swrPlot(sweep, plotTitle(r, dimensions, c.separators), r.plotFile, c.stop);
    } catch (const nec::ModelError& error) {
        return failure(kExitUsage, error.what());
    } catch (const nec::Cancelled&) {
        return {kExitFailure, {}, {}, true};
    } catch (const SaveCancelled&) {
        return {kExitFailure, {}, {}, true};
    } catch (const nec::NecError& error) {
        return failure(kExitFailure, error.what());
    } catch (const FileError& error) {
        return failure(kExitFailure, error.what());
    } catch (const PictureError& error) {
        return failure(kExitFailure, error.what());
    }
    return result;
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
    static constexpr std::pair<char, char> kEscapes[] = {{'\\', '\\'}, {'\a', 'a'}, {'\b', 'b'},
                                                         {'\t', 't'},  {'\n', 'n'}, {'\v', 'v'},
                                                         {'\f', 'f'},  {'\r', 'r'}};
    std::string out = "'";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        bool escaped = false;
        for (const auto& [raw, letter] : kEscapes) {
            if (ch == raw) {
                out += '\\';
                out += letter;
                escaped = true;
            }
        }
        if (escaped)
            continue;
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

Result run(std::span<const std::string_view> args, const Context& context) {
    auto parsed = parse(args, context.separators);
    if (auto* answer = std::get_if<Result>(&parsed))
        return *answer;
    const Request& r = std::get<Request>(parsed);

    DisconeDimensions dimensions;
    ResultTexts texts;
    try {
        dimensions = calculateDimensions(readSingle(r.frequency, context.separators));
        texts = formatDimensions(dimensions, *r.unit, context.separators);
    } catch (const CalculationError& error) {
        return {kExitFailure, {}, calculationErrorLine(error, r.frequency), false};
    }
    if (!r.deck && !r.table && r.plotFile.empty())
        return {kExitSuccess, dimensionLines(texts), {}, false};
    Result model = runModel(r, dimensions, context);
    if (model.status != kExitSuccess || model.interrupted)
        return {model.status, {}, model.err, model.interrupted}; // nothing half-done
    // A picture alone prints the dimensions, as a plain calculation would.
    if (!r.deck && !r.table)
        model.out = dimensionLines(texts);
    return model;
}

} // namespace discone::cli
